#include "map/core/AsciiFormat.h"

#include <cstdarg>
#include <cstdio>
#include <string>

UiString FormatAscii(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measure;
    va_copy(measure, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string bytes;
    if (length > 0) {
        bytes.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(bytes.data(), bytes.size(), format, arguments);
        bytes.resize(static_cast<size_t>(length));
    }
    va_end(arguments);
    return WidenAscii(bytes.c_str());
}

UiString WidenAscii(const char* text) {
    UiString wide;
    for (const char* p = text; *p != '\0'; ++p) {
        wide.push_back(static_cast<UiChar>(static_cast<unsigned char>(*p)));
    }
    return wide;
}
