#include "framework/Format.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace fw {

namespace {

// The C runtime's own formatter keeps %s wide in wide formats; the
// standard vswprintf of this tool chain would read it as narrow.
int FormatList(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list arguments) {
    return _vsnwprintf(buffer, capacity, format, arguments);
}

}  // namespace

std::wstring Format(const wchar_t* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measure;
    va_copy(measure, arguments);
    const int length = _vscwprintf(format, measure);
    va_end(measure);
    std::wstring text;
    if (length > 0) {
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
        FormatList(buffer.data(), buffer.size(), format, arguments);
        text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(arguments);
    return text;
}

bool FormatIntoBuffer(wchar_t* buffer, size_t capacity, const wchar_t* format, ...) {
    if (capacity == 0) {
        return false;
    }
    va_list arguments;
    va_start(arguments, format);
    // One character is kept for the terminator, which the runtime does not
    // write when the text fills the buffer.
    const int written = FormatList(buffer, capacity - 1, format, arguments);
    va_end(arguments);
    buffer[capacity - 1] = L'\0';
    if (written < 0) {
        return false;
    }
    buffer[written] = L'\0';
    return true;
}

}  // namespace fw
