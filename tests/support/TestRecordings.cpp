#include "TestRecordings.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "format/ByteOrder.h"

namespace fs = std::filesystem;

fs::path TestRecordingsDir() {
    const char* dir = std::getenv("OSTRILEX_RECORDINGS");
    return dir ? fs::path(dir) : fs::path();
}

fs::path TestRecordingPath(const std::string& fileName) {
    const fs::path dir = TestRecordingsDir();
    EXPECT_FALSE(dir.empty()) << "OSTRILEX_RECORDINGS is not set; run the tests through ctest";
    return dir / fileName;
}

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    std::vector<uint8_t> bytes(static_cast<size_t>(size > 0 ? size : 0));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

void WriteWholeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("ostrilex-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ByteView FindDataArea(const std::vector<uint8_t>& file) {
    uint64_t at = 0;
    while (at + 8 <= file.size()) {
        const uint32_t size = ReadU32BE(file.data() + at);
        if (size < 8 || size > file.size() - at) return {};
        if (std::memcmp(file.data() + at + 4, "udat", 4) == 0) {
            if (size < 14) return {};
            return ByteView(file.data() + at + 14, size - 14);
        }
        at += size;
    }
    return {};
}
