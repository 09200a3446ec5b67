#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/core/UiChar.h"

// What the folder walks ask of the file system and of the engine. The Win32
// side answers with FindFirstFileW/FindNextFileW, PathFileExistsW and
// CreateFileW; tests answer from in-memory trees. Paths use '\' throughout.

// One entry of a folder listing, "." and ".." included.
struct FolderEntry {
    UiString name;
    bool directory = false;
    uint64_t size = 0;  // the full 64-bit size of a file, as the listing gives it
};

using FolderListing = std::vector<FolderEntry>;

class BrowserFileSystem {
public:
    virtual ~BrowserFileSystem() = default;
    // Lists "<folder>\*" in the system's order; false when it cannot be listed.
    virtual bool ListFolder(UiStringView folder, FolderListing& entries) const = 0;
    virtual bool PathExists(UiStringView path) const = 0;
    // Opens the file for reading (sharing read, existing only) and gives its
    // full size; nothing when it cannot be opened.
    virtual std::optional<uint64_t> OpenFileSize(UiStringView path) const = 0;
};

// The engine's recorder-file test as the walks use it: no file is accepted
// while the engine is not initialised.
class RecorderFileProbe {
public:
    virtual ~RecorderFileProbe() = default;
    virtual bool EngineReady() const = 0;
    virtual bool IsRecorderFile(UiStringView fullPath) const = 0;
};
