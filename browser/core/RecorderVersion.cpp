#include "browser/core/RecorderVersion.h"

#include <cstdio>

int32_t TwoCharacterNumber(uint8_t first, uint8_t second) {
    const uint8_t text[3] = {first, second, 0};
    size_t i = 0;
    while (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')) {
        ++i;
    }
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    int32_t value = 0;
    for (; text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

UiString FormatRecorderVersion(const CsRecord& record) {
    const uint8_t* digits = record.versionBytes;
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d", TwoCharacterNumber(digits[0], digits[1]),
                  TwoCharacterNumber(digits[2], digits[3]), TwoCharacterNumber(digits[4], digits[5]));
    return UiString(text, text + std::char_traits<char>::length(text));
}
