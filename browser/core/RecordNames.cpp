#include "browser/core/RecordNames.h"

namespace {

constexpr size_t kKindSeparatorIndex = 10;
constexpr size_t kKindLetterIndex = 11;

bool IsDigit(UiChar c) {
    return c >= UI_TEXT('0') && c <= UI_TEXT('9');
}

}  // namespace

UiChar RecordKindLetter(UiStringView name) {
    if (name.size() <= kKindLetterIndex || name[kKindSeparatorIndex] != UI_TEXT('_')) {
        return 0;
    }
    const UiChar letter = name[kKindLetterIndex];
    return KindFilterIndex(letter) >= 0 ? letter : 0;
}

uint32_t RecordKindMark(UiStringView name) {
    return RecordKindLetter(name) != 0 ? static_cast<uint32_t>(static_cast<uint16_t>(name[0])) : 0;
}

int KindFilterIndex(UiChar letter) {
    for (int k = 0; k < kKindCount; ++k) {
        if (kKindLetters[k] == letter) {
            return k;
        }
    }
    return -1;
}

uint32_t KindMaskBit(UiChar letter) {
    switch (letter) {
    case UI_TEXT('A'): return kMaskContinuous;
    case UI_TEXT('M'): return kMaskManual;
    case UI_TEXT('G'): return kMaskImpact;
    case UI_TEXT('P'): return kMaskParking;
    case UI_TEXT('S'): return kMaskParkingImpact;
    default: return 0;
    }
}

bool ClassifyRecordName(UiStringView name) {
    if (name.size() < 4) {
        return false;
    }
    return !IsDigit(name[0]) && !IsDigit(name[1]) && !IsDigit(name[2]) && name[3] == UI_TEXT('_');
}

bool CompareRecordNames(UiStringView a, UiStringView b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const auto ua = static_cast<uint16_t>(a[i]);
        const auto ub = static_cast<uint16_t>(b[i]);
        if (ua != ub) {
            return ua < ub;
        }
    }
    return a.size() < b.size();
}

UiStringView ListRowTitle(UiStringView name) {
    const size_t dot = name.find(UI_TEXT('.'));
    if (dot == UiStringView::npos || dot == 0) {
        return name;
    }
    return name.substr(0, dot);
}

uint32_t RowBackgroundColour(UiStringView name, bool current) {
    const UiChar letter = RecordKindLetter(name);
    const bool event = letter != 0 && letter != UI_TEXT('A');
    if (current) {
        return event ? kRowCurrentEvent : kRowCurrentPlain;
    }
    return event ? kRowEvent : kRowPlain;
}
