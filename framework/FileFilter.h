#pragma once

#include <string>
#include <string_view>

namespace fw {

// A file-dialog filter written as "Text|pattern|Text|pattern||" becomes the
// NUL-separated pairs the open and save dialogs read, ending in two NULs.
// A filter without the closing "||" is closed all the same.
template <class Char>
std::basic_string<Char> ToNulSeparatedFilter(std::basic_string_view<Char> filter) {
    std::basic_string<Char> result(filter);
    for (Char& c : result) {
        if (c == Char('|')) {
            c = Char('\0');
        }
    }
    while (result.size() < 2 || result[result.size() - 1] != Char('\0') || result[result.size() - 2] != Char('\0')) {
        result.push_back(Char('\0'));
    }
    return result;
}

}  // namespace fw
