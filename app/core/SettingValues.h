#pragma once

#include "ui/core/UiChar.h"

// How the main window reads its "DISPLAY" and "DECODE" settings. The
// settings file is plain text that a user may edit, so every value is
// taken as it stands and nothing in it can push a setting out of range.
constexpr int kMaxVolume = 65535;

// A switch is on only when its value is exactly "on" ("ON", "on " are off).
bool IsSwitchOn(UiStringView value);

// The volume: an empty value means the full volume, digits are read like
// the C library's integer conversion (a non-numeric value gives 0), and
// the result is kept within 0 to 65535.
int VolumeFromSetting(UiStringView value);
