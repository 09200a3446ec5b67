#pragma once

#include <cstdint>
#include <filesystem>

// A recording laid out as the recorder writes it, without real media: "ftyp",
// an "mdat" box of the given size whose body is a hole on disk, a data
// section of the given number of entries and the 12-byte tail. Large media
// data costs no disk space this way. False when the file cannot be made.
bool MakeRecordingBehindHoles(const std::filesystem::path& path, uint32_t mediaBoxSize, int entries);
