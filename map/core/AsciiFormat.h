#pragma once

#include "ui/core/UiChar.h"

// printf into program text, for the numbers of the page protocol. Numbers
// format in the C locale the program never leaves, so "%f" always writes a
// '.'; the text grows to fit, so a value from a file never cuts a script.
UiString FormatAscii(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Program text from ASCII bytes, one unit per byte.
UiString WidenAscii(const char* text);
