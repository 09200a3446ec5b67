#include "JoinRecordings.h"

#include <filesystem>
#include <memory>

#include "platform/FileOutputSink.h"

namespace fs = std::filesystem;

namespace {

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    return fs::absolute(a, error).lexically_normal() == fs::absolute(b, error).lexically_normal();
}

bool NamesASource(const std::wstring& output, const std::vector<std::wstring>& sources) {
    for (const std::wstring& source : sources) {
        if (SameFile(output, source)) return true;
    }
    return false;
}

}  // namespace

bool JoinRecordings(const std::vector<std::wstring>& sources, const std::wstring& output, const StopRequested& stop) {
    if (sources.empty() || NamesASource(output, sources)) return false;
    std::vector<std::unique_ptr<MovieBoxIndex>> indexes;
    for (const std::wstring& source : sources) {
        if (stop && stop()) return false;
        std::unique_ptr<MovieBoxIndex> index = MovieBoxIndex::Open(source);
        if (!index) return false;
        if (indexes.empty() && !MovieJoiner::HasRecorderDataSection(*index)) return false;
        if (!indexes.empty() && !MovieJoiner::Merge(*indexes.front(), *index)) return false;
        indexes.push_back(std::move(index));
    }
    const std::unique_ptr<FileOutputSink> sink = CreateFileOutputSink(output);
    if (!sink) return false;
    return MovieJoiner::WriteBox(indexes.front()->Root(), *sink, stop) && sink->Commit();
}
