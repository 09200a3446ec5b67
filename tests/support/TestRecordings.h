#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "format/ByteView.h"

// The folder of standard recordings that the test run built, from the
// OSTRILEX_RECORDINGS environment variable; empty when it is not set.
std::filesystem::path TestRecordingsDir();

// A standard recording's path; fails the calling test when the folder is unknown.
std::filesystem::path TestRecordingPath(const std::string& fileName);

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A scratch folder for one test, removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The data area (the bytes after "CSMDAT", to the end of the box) of the
// first top-level "udat" box, found by stepping over top-level box sizes.
// Empty when there is none.
ByteView FindDataArea(const std::vector<uint8_t>& file);
