#pragma once

#include <cstdint>

#include "format/DataRecords.h"
#include "ui/core/UiChar.h"

// The recorder firmware version text "%d.%d.%d" of a recorder record: its
// bytes 17-18, 19-20 and 21-22 each read as a two-character decimal number,
// the way _wtoi reads it (leading blanks, a sign, digits up to the first
// other character).
UiString FormatRecorderVersion(const CsRecord& record);

// _wtoi on two characters.
int32_t TwoCharacterNumber(uint8_t first, uint8_t second);
