#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Makes a file of the given size whose unwritten bytes take no disk space,
// with a few byte runs written at their offsets. Large-file cases cost
// nothing this way. Returns false when the file cannot be made.
bool MakeSparseFile(const std::filesystem::path& path, uint64_t size,
                    const std::vector<std::pair<uint64_t, std::string>>& writes);
