#pragma once

#include "ui/core/UiChar.h"

// Longest path or name the program handles in one fixed buffer (260 units
// with the terminator).
constexpr size_t kMaxPathChars = 259;

// TRUE when the last path component's extension is exactly ".MOV" in any
// letter case: "x.mov" and "C:\\a\\b.Mov" pass, "x.move", "x.xmov",
// "x.mov.bak", "dir.mov\\file" and a name without extension fail. A name
// longer than kMaxPathChars is refused rather than tested on a cut copy.
bool IsMovFile(UiStringView name);
