#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"

// A text file written in the system's ANSI code page (932 on a Japanese
// system), as the spreadsheet programs of its users read CSV files: no
// byte-order mark, each text converted whole, however long.
class AnsiTextFile {
public:
    // Creates the file, or empties one of that name. False when it cannot.
    bool Create(const std::wstring& path);
    // False when the text cannot be converted or written whole.
    bool Write(const std::wstring& text);

private:
    fw::UniqueHandle file_;
};
