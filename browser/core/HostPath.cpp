#include "browser/core/HostPath.h"

namespace {

// UTF-16 to code points, an unpaired surrogate passing as itself.
template <class Emit>
void ForEachCodePoint(UiStringView text, Emit emit) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = static_cast<uint16_t>(text[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const uint32_t low = static_cast<uint16_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
#ifndef _WIN32
        if (c == '\\') {
            c = '/';
        }
#endif
        emit(c);
    }
}

}  // namespace

std::wstring HostWidePath(UiStringView path) {
#ifdef _WIN32
    return std::wstring(path);
#else
    std::wstring wide;
    wide.reserve(path.size());
    ForEachCodePoint(path, [&](uint32_t c) { wide.push_back(static_cast<wchar_t>(c)); });
    return wide;
#endif
}

std::string HostNarrowPath(UiStringView path) {
    std::string narrow;
    narrow.reserve(path.size());
    ForEachCodePoint(path, [&](uint32_t c) {
        if (c < 0x80) {
            narrow.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            narrow.push_back(static_cast<char>(0xC0 | (c >> 6)));
            narrow.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            narrow.push_back(static_cast<char>(0xE0 | (c >> 12)));
            narrow.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            narrow.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            narrow.push_back(static_cast<char>(0xF0 | (c >> 18)));
            narrow.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            narrow.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            narrow.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    });
    return narrow;
}

UiString UiFromUtf8(const std::string& text) {
    UiString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<uint8_t>(text[i]);
        uint32_t c = byte;
        size_t extra = 0;
        if (byte >= 0xF0) {
            c = byte & 0x07;
            extra = 3;
        } else if (byte >= 0xE0) {
            c = byte & 0x0F;
            extra = 2;
        } else if (byte >= 0xC0) {
            c = byte & 0x1F;
            extra = 1;
        }
        ++i;
        for (size_t k = 0; k < extra && i < text.size(); ++k, ++i) {
            c = (c << 6) | (static_cast<uint8_t>(text[i]) & 0x3F);
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            result.push_back(static_cast<UiChar>(0xD800 + (c >> 10)));
            result.push_back(static_cast<UiChar>(0xDC00 + (c & 0x3FF)));
        } else {
            result.push_back(static_cast<UiChar>(c));
        }
    }
    return result;
}
