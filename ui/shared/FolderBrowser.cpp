#include "ui/shared/FolderBrowser.h"

#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/ProgramFolder.h"

std::wstring BrowseForFolder(HWND owner, const std::wstring& section, const std::wstring& key,
                             const std::wstring& title) {
    std::wstring start = ReadIniString(section, key);
    if (start.empty()) {
        start = GetProgramFolder();
    }
    const fw::FolderChoice choice = fw::Prompts().ChooseFolder(owner, title, start);
    switch (choice.outcome) {
    case fw::FolderChoice::Outcome::Chosen:
        return choice.path;
    case fw::FolderChoice::Outcome::NoPath:
        fw::Prompts().ShowMessage(owner, UiText(kSlotFolderPathFailed), L"ERROR", MB_OK);
        return {};
    default:
        return {};
    }
}
