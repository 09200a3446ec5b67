#pragma once

#include "ui/core/UiChar.h"

// What a recording's kind (from its name) means to the main window. Parking
// recordings ('P', 'S') never show the map. Continuous and parking
// recordings ('A', 'P') are not event recordings: the graph marks only
// their events, not the axes that set them off.
bool IsParkingRecording(UiStringView fileName);
bool IsEventRecording(UiStringView fileName);
