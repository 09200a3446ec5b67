#include "app/core/RecordingKinds.h"

#include "browser/core/RecordNames.h"

bool IsParkingRecording(UiStringView fileName) {
    const UiChar kind = RecordKindLetter(fileName);
    return kind == UI_TEXT('P') || kind == UI_TEXT('S');
}

bool IsEventRecording(UiStringView fileName) {
    const UiChar kind = RecordKindLetter(fileName);
    return kind != UI_TEXT('A') && kind != UI_TEXT('P');
}
