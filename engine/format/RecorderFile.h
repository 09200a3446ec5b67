#pragma once

#include <filesystem>

#include "ByteView.h"

// A recorder file is a movie whose first box is "ftyp" and whose last 18
// bytes begin with "CSMEND". head holds the file's first bytes, tail its last
// 18; fileSize is the whole size.
bool IsRecorderFileImage(ByteView head, ByteView tail, uint64_t fileSize);

// The same test on a file, opened for reading with sharing. A file that
// cannot be opened or read, or of 4 GiB or more, is not a recorder file.
bool IsRecorderFile(const std::filesystem::path& path);
