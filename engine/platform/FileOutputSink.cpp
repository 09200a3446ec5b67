#include "FileOutputSink.h"

#include <string>

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, unsigned attempt) {
    std::filesystem::path name = target;
    name += L".joining-" + std::to_wstring(attempt) + L".tmp";
    return name;
}
