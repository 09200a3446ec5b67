#pragma once

// The program's texts are UTF-16. On Windows that is wchar_t; the portable
// code also builds on Linux for its sanitized tests, where wchar_t is 32-bit,
// so there it uses char16_t. UI_TEXT makes a literal of the right kind.
#ifdef _WIN32
using UiChar = wchar_t;
#define UI_TEXT(literal) L##literal
#else
using UiChar = char16_t;
#define UI_TEXT(literal) u##literal
#endif

#include <string>
#include <string_view>

using UiString = std::basic_string<UiChar>;
using UiStringView = std::basic_string_view<UiChar>;
