// Feeds arbitrary bytes as a whole file to the reader's walks: the data-section
// parse, the frame-rate path walk and the recorder-record walk. Every view is
// a separate exact-size heap block, so a read past a view is caught, and a
// view asked for past the end of the file counts as a finding.

#include <cstdlib>

#include "FixedOffsetTimeZone.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"
#include "platform/MappingErrorReporter.h"
#include "platform/MemoryByteSource.h"
#include "reader/MappedMovieFile.h"

namespace {

constexpr wchar_t kPath[] = L"fuzz.MOV";

const uint8_t* g_data = nullptr;
size_t g_size = 0;

std::unique_ptr<ByteSource> OpenInput(const std::filesystem::path&) {
    if (g_size == 0) return nullptr;
    return MakeMemoryByteSource(std::vector<uint8_t>(g_data, g_data + g_size));
}

MappedMovieFile& Reader() {
    static const FixedOffsetTimeZone zone(9 * 60);
    static MappedMovieFile reader;
    static const bool ready = [] {
        reader.SetTimeZone(zone);
        return reader.Init();
    }();
    if (!ready) std::abort();
    return reader;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedByteSourceOpener opener(OpenInput);
    static ScopedMappingErrorReporter noViewMayFail([](uint32_t) { std::abort(); });
    g_data = data;
    g_size = size;
    MappedMovieFile& reader = Reader();

    if (reader.OpenAndParse(kPath)) {
        ClipRecords& records = *reader.Records();
        if (records.gps.size() != records.gsensor.size() || records.obd.size() != records.gsensor.size()) {
            std::abort();
        }
        BuildFrameRecordIndex(records, static_cast<int64_t>(records.gsensor.size()) * 3, 33.0f);
    }
    reader.ClearRecords();

    if (reader.Open(kPath)) {
        reader.WalkBoxPath({4, "stts", SttsFrameRateHandler});
        uint16_t count = 0;
        reader.WalkToUdat({3, "@CS", [&count](MappedMovieFile&, ByteView area) {
                               return UdatCountHandler(area, count);
                           }});
    }
    reader.CloseHandles();
    return 0;
}
