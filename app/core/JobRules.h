#pragma once

#include <cstdint>
#include <optional>

#include "ui/core/UiChar.h"

// The arithmetic and names of the main window's jobs: the progress bar's
// percent, the join's progress and its free-space decision, and the
// snapshot's file name.

// The percent a progress report shows: 100 when the job has no items.
int WorkerPercent(uint32_t done, int32_t total);

// What a join reports after merging its i-th recording: never the whole,
// which only the written file earns.
int32_t JoinMergeProgress(int32_t merged);

// A join goes on only when its recordings take strictly less room than the
// output's folder has free; an unknown free space refuses it.
bool JoinFitsFreeSpace(uint64_t totalBytes, std::optional<uint64_t> freeBytes);

// folder\<last folder name>-<name up to its first '.'>-<group>_<sequence>_<frame>.jpg,
// the numbers at least 3, 3 and 6 digits wide. A drive root gives its letter
// as the folder name, and no second backslash.
UiString SnapshotFilePath(UiStringView folder, UiStringView recordingName, uint32_t group, uint32_t sequence,
                          int32_t frame);
