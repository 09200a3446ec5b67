#include "ui/core/MovFileName.h"

namespace {

UiChar AsciiUpper(UiChar c) {
    return (c >= UI_TEXT('a') && c <= UI_TEXT('z')) ? static_cast<UiChar>(c - UI_TEXT('a') + UI_TEXT('A')) : c;
}

}  // namespace

bool IsMovFile(UiStringView name) {
    constexpr UiStringView kExtension = UI_TEXT(".MOV");
    if (name.size() > kMaxPathChars || name.size() < kExtension.size()) {
        return false;
    }
    // The extension starts at the last '.', so ".MOV" must be the last four
    // characters; a separator after the dot would have ended the component.
    const UiStringView tail = name.substr(name.size() - kExtension.size());
    for (size_t i = 0; i < kExtension.size(); ++i) {
        if (AsciiUpper(tail[i]) != kExtension[i]) {
            return false;
        }
    }
    return true;
}
