#pragma once

#include <atomic>

#include "ui/core/UiChar.h"

// Every user-visible text of the program's own windows, by slot. Both rows
// hold Japanese texts; the same slot means the same role in both rows.
constexpr int kUiTextRows = 2;
constexpr int kUiTextSlots = 260;
// Slots 0 to 143 hold texts; the rest are empty.
constexpr int kUiTextFilledSlots = 144;

extern const UiChar* const UiTextTable[kUiTextRows][kUiTextSlots];

// The row in use: 0 at start, 1 once start-up has found the user's default
// language to be en-US. Written once on the UI thread, read by workers too.
extern std::atomic<int> UiTextVariant;

// The slot's text in the current row; an empty text for an empty or
// out-of-range slot, so a reader never meets a null pointer.
const UiChar* UiText(int slot);

// Slots with a fixed role that more than one window names.
enum UiTextSlot : int {
    kSlotFolderPathFailed = 98,
    kSlotFontFace = 113,
    kSlotCodecMissing = 114,
    kSlotKindContinuous = 26,
    kSlotKindManual = 27,
    kSlotKindParking = 28,
    kSlotKindImpact = 29,
    kSlotKindParkingImpact = 141,
};
