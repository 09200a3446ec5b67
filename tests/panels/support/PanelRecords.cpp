#include "support/PanelRecords.h"

#include "MiniRecording.h"
#include "format/FrameRecordIndex.h"
#include "format/UdatEntry.h"

namespace testing_support {

std::unique_ptr<ClipRecords> OneRecordPerFrame(std::vector<GSensorRecord> gsensor) {
    auto records = std::make_unique<ClipRecords>();
    records->gsensor = std::move(gsensor);
    const size_t n = records->gsensor.size();
    records->gps.resize(n);
    records->obd.resize(n);
    for (size_t i = 0; i < n; ++i) {
        GSensorRecord& g = records->gsensor[i];
        g.entryIndex = static_cast<int32_t>(i);
        g.time = static_cast<int32_t>(i);
        g.gps = &records->gps[i];
        g.obd = &records->obd[i];
        records->gps[i].entryIndex = static_cast<int32_t>(i);
        records->frameIndex.push_back(&g);
    }
    records->entryCount = static_cast<int32_t>(n);
    return records;
}

GSensorRecord EventRecord(int32_t kind, int32_t axis, uint32_t detection) {
    GSensorRecord record;
    record.triggerKind = kind;
    record.axis = axis;
    record.detection = detection;
    return record;
}

float RecipeFrameDuration(const RecordingRecipe& recipe) {
    return 1000.0f / static_cast<float>(90000 / recipe.frameDelta);
}

bool ShowRecording(PlayerEngine& engine, const std::wstring& path, int64_t frames, float frameDurationMs) {
    MappedMovieFile& reader = engine.ShownClipReader;
    return reader.OpenAndParse(path) && reader.Records() != nullptr &&
           BuildFrameRecordIndex(*reader.Records(), frames, frameDurationMs);
}

int FrameOfEntry(const ClipRecords* records, int entry) {
    for (size_t f = 0; records != nullptr && f < records->frameIndex.size(); ++f) {
        if (records->frameIndex[f]->entryIndex == entry) return static_cast<int>(f);
    }
    return -1;
}

RecordingRecipe NonFiniteRecipe() {
    RecordingRecipe recipe;
    recipe.fileName = "2401020340_G009.MOV";
    recipe.entryCount = 12;
    recipe.triggers = {{3, "DXANND"}};
    // "9e999" and "1e308" overflow once narrowed to single precision;
    // "0x1p9" is a hexadecimal 512.
    namespace L = UdatEntryLayout;
    recipe.patches = {{3, L::kGx.offset, "  inf"}, {3, L::kGy.offset, " -inf"}, {3, L::kGz.offset, "  nan"},
                      {4, L::kGx.offset, "9e999"}, {4, L::kGy.offset, "1e308"}, {4, L::kGz.offset, "0x1p9"},
                      {5, L::kSpeed.offset, " inf"}, {6, L::kSpeed.offset, "nan "},
                      {7, L::kLatitude.offset, "      inf"}};
    return recipe;
}

Bytes NonFiniteRecording() {
    MiniRecordingPlan plan;
    plan.dataSection = NonFiniteRecipe();
    return MakeMiniRecording(plan);
}

}  // namespace testing_support
