#include "app/core/SettingValues.h"

#include <cstdint>

namespace {

bool IsBlank(UiChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

bool IsSwitchOn(UiStringView value) { return value == UI_TEXT("on"); }

int VolumeFromSetting(UiStringView value) {
    if (value.empty()) {
        return kMaxVolume;
    }
    size_t i = 0;
    while (i < value.size() && IsBlank(value[i])) {
        ++i;
    }
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    int64_t number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        // Past the range the exact value no longer matters; stop growing
        // before it could overflow.
        if (number <= kMaxVolume) {
            number = number * 10 + (value[i] - '0');
        }
    }
    if (negative) {
        return 0;
    }
    return number > kMaxVolume ? kMaxVolume : static_cast<int>(number);
}
