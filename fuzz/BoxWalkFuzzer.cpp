// Feeds arbitrary bytes as a whole file to the reader's walks: the data-section
// parse, the frame-rate path walk and the recorder-record walk. Every view is
// a separate exact-size heap block, so a read past a view is caught, and a
// view asked for past the end of the file counts as a finding.

#include "FuzzFiles.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"

namespace {

constexpr wchar_t kPath[] = L"fuzz.MOV";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ServeFilesFromMemory();
    fuzz::SetFile(kPath, data, size);
    MappedMovieFile& reader = fuzz::Reader();

    if (reader.OpenAndParse(kPath)) {
        ClipRecords& records = *reader.Records();
        fuzz::Check(records.gps.size() == records.gsensor.size() && records.obd.size() == records.gsensor.size());
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
