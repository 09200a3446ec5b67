#pragma once

#include "ui/core/UiChar.h"

// When the watched source disappears, the program also ends if it ran from
// the same medium: a pulled card takes the program's own files with it.

// What stands before a path's first '\' ("E:" of "E:\DCIM\100MEDIA");
// empty for a path without one.
UiStringView DrivePart(UiStringView path);

// The lost source lay on the program's own drive: both drive parts are the
// same, character for character (case counts: "d:" is not "D:"). An empty
// drive part names no drive, so two such paths never match.
bool IsOnProgramDrive(UiStringView programPath, UiStringView lostPath);
