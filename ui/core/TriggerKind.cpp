#include "ui/core/TriggerKind.h"

#include "ui/core/UiTextTable.h"

namespace {

constexpr size_t kMinimumLabelledName = 16;
constexpr size_t kSeparatorIndex = 10;
constexpr size_t kKindIndex = 11;

int KindSlot(UiChar kind) {
    switch (kind) {
    case UI_TEXT('A'): return kSlotKindContinuous;
    case UI_TEXT('G'): return kSlotKindImpact;
    case UI_TEXT('M'): return kSlotKindManual;
    case UI_TEXT('P'): return kSlotKindParking;
    case UI_TEXT('S'): return kSlotKindParkingImpact;
    default: return -1;
    }
}

}  // namespace

const UiChar* GetTriggerKindLabel(UiStringView fileName) {
    if (fileName.size() < kMinimumLabelledName || fileName[kSeparatorIndex] != UI_TEXT('_')) {
        return UI_TEXT("");
    }
    return UiText(KindSlot(fileName[kKindIndex]));
}
