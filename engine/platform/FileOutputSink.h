#pragma once

#include <filesystem>
#include <memory>

#include "OutputSink.h"

// A new file written in full before it takes its name. The bytes go to a
// file of a new, unused name in the target's folder; Commit closes it and
// renames it to the target, replacing a file of that name. A sink destroyed
// before a successful Commit removes its file, so a failed or abandoned
// write leaves nothing behind and the target as it was.
class FileOutputSink : public OutputSink {
public:
    // Closes the file and gives it the target's name; false when either
    // fails, the file being removed then.
    virtual bool Commit() = 0;
};

// Null when no new file can be made in the target's folder.
std::unique_ptr<FileOutputSink> CreateFileOutputSink(const std::filesystem::path& target);

// The name of the attempt-th file a sink tries for a target: the target's
// name with a suffix no recording has, in the same folder.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, unsigned attempt);
