#pragma once

#include "ui/core/UiChar.h"

// The label of a recording's kind, read from its file name: a name of at
// least 16 characters with '_' at index 10 names its kind at index 11
// ('A' continuous, 'G' impact, 'M' manual, 'P' parking, 'S' parking impact,
// upper case only). Any other name gives an empty text. The label comes
// from the current text row.
const UiChar* GetTriggerKindLabel(UiStringView fileName);
