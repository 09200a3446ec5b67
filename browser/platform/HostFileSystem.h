#pragma once

#include "browser/core/BrowserFileSystem.h"

// The host's own file system for the walks: FindFirstFileW/FindNextFileW,
// PathFileExistsW and CreateFileW on Windows; opendir, stat and open on
// POSIX (native benchmarks and tests on real folders).
const BrowserFileSystem& HostFileSystem();
