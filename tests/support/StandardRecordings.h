#pragma once

#include <string>
#include <vector>

#include "RecordingRecipe.h"

// The recordings every test run builds into its recordings folder, each under
// its recipe's file name. Tests on either host look a recipe up by name to
// know what the file holds.
const std::vector<RecordingRecipe>& StandardRecordings();

// The recipe of a standard recording; throws when there is none by that name.
const RecordingRecipe& StandardRecording(const std::string& fileName);
