#pragma once

#include <string>

// The program folder: the process's current directory when start-up
// recorded it. It never follows later changes of the current directory
// (file dialogs change it). Recorded on the UI thread before any worker
// starts; read by any thread afterwards.
std::wstring GetProgramFolder();

// Records the current directory as the program folder.
void RecordProgramFolder();
