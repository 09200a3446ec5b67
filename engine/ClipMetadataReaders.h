#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/DataRecords.h"

struct PlayerEngine;

// Readers that take one fact out of a recording without loading it for
// playback. Each opens its own short-lived reader.

// The recording's recorder record, under the engine's file lock. 1 when a
// valid record (type letter 'M' or 'D') was found; 0 when the file cannot be
// read, has no data section or holds an invalid record, so a caller never
// shows a version that is not there. out is written whenever the data
// section was found, and left as it was otherwise.
int32_t ReadClipCsRecord(PlayerEngine* engine, CsRecord& out, const wchar_t* path);

// The recorder record's resolution letter, without any engine lock; 0 when
// the file has no data section or no valid record.
int8_t ReadClipCsLetter(const wchar_t* path);

// Replaces the engine's EngineGroupTrack by the GPS records of every
// recording of a clip group, in group order; each recording's records count
// their entries and times from its own start. The group is given by the
// recordings' full paths. Holds the file lock throughout. 1 when every
// recording could be opened; at the first that cannot, 0, keeping the
// records gathered so far.
int32_t LoadGroupGpsTrack(PlayerEngine* engine, const std::vector<std::wstring>& groupPaths);
