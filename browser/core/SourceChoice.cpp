#include "browser/core/SourceChoice.h"

int SourceRadioForSetting(UiStringView select) {
    if (select == UI_TEXT("FOLDER")) {
        return kRadioFolder;
    }
    if (select == UI_TEXT("FILE")) {
        return kRadioFile;
    }
    return kRadioSdCard;
}

SourceKind SourceKindForRadio(int radioId) {
    switch (radioId) {
    case kRadioSdCard: return kSourceSdCard;
    case kRadioFolder: return kSourceFolder;
    case kRadioFile: return kSourceFile;
    default: return kSourceNone;
    }
}

bool SourceOkEnabled(SourceKind kind, bool driveSelected, UiStringView folderText, UiStringView fileText) {
    switch (kind) {
    case kSourceSdCard: return driveSelected;
    case kSourceFolder: return !folderText.empty();
    case kSourceFile: return !fileText.empty();
    default: return false;
    }
}

std::optional<SourceSettingWrite> SourceSettingForOk(SourceKind kind, UiStringView sdText, UiStringView folderText,
                                                     UiStringView fileText) {
    switch (kind) {
    case kSourceSdCard:
        if (sdText.empty()) return std::nullopt;
        return SourceSettingWrite{UI_TEXT("SD"), UI_TEXT("SD"), UiString(sdText)};
    case kSourceFolder:
        if (folderText.empty()) return std::nullopt;
        return SourceSettingWrite{UI_TEXT("FOLDER"), UI_TEXT("FOLDER"), UiString(folderText)};
    case kSourceFile:
        if (fileText.empty()) return std::nullopt;
        return SourceSettingWrite{UI_TEXT("FILE"), UI_TEXT("FILE"), UiString(fileText)};
    default:
        return std::nullopt;
    }
}
