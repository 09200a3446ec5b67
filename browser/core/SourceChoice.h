#pragma once

#include <optional>

#include "browser/core/FilePanelCore.h"

// The source dialog's rules without the dialog.

constexpr int kRadioSdCard = 39000;
constexpr int kRadioFolder = 39001;
constexpr int kRadioFile = 39002;

// [SOURCE] "SELECT": "FOLDER" and "FILE" pick their radio; any other value
// (also "SD" and an empty one) the SD-card radio.
int SourceRadioForSetting(UiStringView select);

// The source kind of a radio id; kSourceNone for other ids.
SourceKind SourceKindForRadio(int radioId);

// OK's state when a kind is selected: a drive chosen, or a non-empty text.
bool SourceOkEnabled(SourceKind kind, bool driveSelected, UiStringView folderText, UiStringView fileText);

// What OK writes to [SOURCE]: "SELECT" and the kind's own key. Nothing for
// another kind, and nothing (OK refused, the dialog stays open) when the
// kind's text is empty: the original stored "" and opened an empty path.
struct SourceSettingWrite {
    UiString select;
    UiString key;
    UiString value;
};
std::optional<SourceSettingWrite> SourceSettingForOk(SourceKind kind, UiStringView sdText, UiStringView folderText,
                                                     UiStringView fileText);
