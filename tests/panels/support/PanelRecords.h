#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BoxBytes.h"
#include "PlayerEngine.h"
#include "RecordingRecipe.h"
#include "format/DataRecords.h"

namespace testing_support {

// Records as an indexed parse leaves them, one record per frame: record i
// shows on frame i, its time is i, and it links GPS and OBD record i.
std::unique_ptr<ClipRecords> OneRecordPerFrame(std::vector<GSensorRecord> gsensor);

// A record with a trigger kind, axis and detection flag.
GSensorRecord EventRecord(int32_t kind, int32_t axis = 0, uint32_t detection = 0);

// The engine's frame length for a recipe's movie: 1000 / (90000 / delta),
// the quotient taken whole.
float RecipeFrameDuration(const RecordingRecipe& recipe);

// Parses a recording into the engine's shown reader and indexes it for the
// given frames, as loading a clip does; the engine must be set up.
bool ShowRecording(PlayerEngine& engine, const std::wstring& path, int64_t frames, float frameDurationMs);

// The first frame that shows the entry's record; -1 when none does.
int FrameOfEntry(const ClipRecords* records, int entry);

// A short impact recording whose number texts read as infinity or NaN in
// some entries (G values, speed, latitude), from entry 3 on.
RecordingRecipe NonFiniteRecipe();
Bytes NonFiniteRecording();

}  // namespace testing_support
