#pragma once

#include <string>
#include <vector>

#include "MovieJoiner.h"

// Joins recordings, in the given order, into one new movie file at output:
// the first recording's tree with every further one merged into it. The
// movie is written under a temporary name in output's folder and takes its
// name only when complete; a file already at output is replaced then. A
// source is only ever read, and output may not name one of them.
//
// False, with nothing left at output's temporary name and output as it
// was, when a recording cannot be indexed, has no recorder data section or
// does not fit the first, when a write fails (a full disk) or when stop
// asks to stop.
bool JoinRecordings(const std::vector<std::wstring>& sources, const std::wstring& output,
                    const StopRequested& stop = nullptr);
