#pragma once

#include <cstddef>
#include <string>

namespace fw {

// printf-style formatting of wide text with the platform's conventions:
// %s takes a wide string, %I64d and %llu a 64-bit integer.
std::wstring Format(const wchar_t* format, ...);

// Formats into a fixed buffer of `capacity` characters. The result is
// always terminated; it is FALSE when the text had to be cut.
bool FormatIntoBuffer(wchar_t* buffer, size_t capacity, const wchar_t* format, ...);

template <size_t N, class... Args>
bool FormatInto(wchar_t (&buffer)[N], const wchar_t* format, Args... args) {
    return FormatIntoBuffer(buffer, N, format, args...);
}

}  // namespace fw
