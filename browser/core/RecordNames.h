#pragma once

#include <cstdint>

#include "ui/core/UiChar.h"

// The name rules of recordings: the recording kind, the kind mark, the
// two-group order, the list's row text and row colours.

// Kind filters in button, show-flag and legend order: A, G, M, P, S.
constexpr int kKindCount = 5;
constexpr UiChar kKindLetters[kKindCount] = {UI_TEXT('A'), UI_TEXT('G'), UI_TEXT('M'), UI_TEXT('P'), UI_TEXT('S')};

// Kinds mask of a folder (the tree item's parameter): bit order A, M, G, P, S,
// not the filter order.
constexpr uint32_t kMaskContinuous = 1u << 0;    // 'A'
constexpr uint32_t kMaskManual = 1u << 1;        // 'M'
constexpr uint32_t kMaskImpact = 1u << 2;        // 'G'
constexpr uint32_t kMaskParking = 1u << 3;       // 'P'
constexpr uint32_t kMaskParkingImpact = 1u << 4; // 'S'

// The kind letter of a name whose eleventh character (index 10) is '_' and
// whose twelfth is one of A, G, M, P, S; 0 for any other name.
UiChar RecordKindLetter(UiStringView name);

// The kind mark of a record: the name's first character for a kind-pattern
// name, else 0.
uint32_t RecordKindMark(UiStringView name);

// The filter index (0 to 4, A G M P S) of a kind letter; -1 for none.
int KindFilterIndex(UiChar letter);

// The kinds-mask bit of a kind letter; 0 for none.
uint32_t KindMaskBit(UiChar letter);

// First group of the two-group order: none of the first three characters is
// a digit and the fourth is '_' ("REC_0001.MOV"). Shorter names are not.
bool ClassifyRecordName(UiStringView name);

// Less-than on names, unit by unit as unsigned 16-bit numbers (ordinal,
// case-sensitive); a prefix is less than the longer name.
bool CompareRecordNames(UiStringView a, UiStringView b);

// Column 0 of the recording list: the name up to its first '.'; the whole
// name when it has no '.' or begins with one.
UiStringView ListRowTitle(UiStringView name);

// Row background (COLORREF values) of the recording list: event kinds
// (G, M, P, S) are tinted, continuous recordings and other names are not;
// the current row is darker in both cases.
constexpr uint32_t kRowPlain = 0xFFFFFF;
constexpr uint32_t kRowEvent = 0xCCFFFF;
constexpr uint32_t kRowCurrentPlain = 0xB2B2B2;
constexpr uint32_t kRowCurrentEvent = 0x8EB2B2;
constexpr uint32_t kRowFrame = 0x888888;
// The names are drawn in black on every row tint, whatever the control
// chose for a selected row.
constexpr uint32_t kRowText = 0x000000;
uint32_t RowBackgroundColour(UiStringView name, bool current);
