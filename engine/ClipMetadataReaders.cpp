#include "ClipMetadataReaders.h"

#include "PlayerEngine.h"
#include "format/DataSectionHandlers.h"

namespace {

constexpr char kRecorderRecordTag[] = "@CS";
constexpr uint32_t kRecorderRecordTagLength = 3;

bool IsValidCsRecord(const CsRecord& record) { return record.typeLetter == 'M' || record.typeLetter == 'D'; }

// The recorder record of a file, when it has a data section.
bool FindCsRecord(const wchar_t* path, CsRecord& out) {
    if (path == nullptr) return false;
    MappedMovieFile reader;
    if (!reader.Init() || !reader.Open(path)) return false;
    bool seen = false;
    const BoxHandler handler{kRecorderRecordTagLength, kRecorderRecordTag,
                             [&](MappedMovieFile&, ByteView area) {
                                 seen = true;
                                 return CsRecordHandler(area, out);
                             }};
    return reader.WalkToUdat(handler) && seen;
}

}  // namespace

int32_t ReadClipCsRecord(PlayerEngine* engine, CsRecord& out, const wchar_t* path) {
    EngineLockGuard hold(engine->fileLock);
    CsRecord found;
    if (!FindCsRecord(path, found)) return 0;
    out = found;
    return IsValidCsRecord(found) ? 1 : 0;
}

int8_t ReadClipCsLetter(const wchar_t* path) {
    CsRecord found;
    if (!FindCsRecord(path, found) || !IsValidCsRecord(found)) return 0;
    return static_cast<int8_t>(found.ResolutionLetter());
}

int32_t LoadGroupGpsTrack(PlayerEngine* engine, const std::vector<std::wstring>& groupPaths) {
    EngineLockGuard hold(engine->fileLock);
    engine->EngineGroupTrack = std::make_unique<std::vector<GpsRecord>>();
    std::vector<GpsRecord>& track = *engine->EngineGroupTrack;
    for (const std::wstring& path : groupPaths) {
        MappedMovieFile reader;
        if (!reader.Init() || !reader.Open(path)) return 0;
        const BoxHandler gpsOnly{4, "udat", [&track](MappedMovieFile& walking, ByteView area) {
                                     return UdatGpsOnlyHandler(area, track, walking.TimeZone());
                                 }};
        // A recording whose section cannot be read adds nothing; the group goes on.
        reader.WalkToBox(gpsOnly, nullptr);
    }
    return 1;
}
