#include "browser/CSourceOpenDlg.h"

#include <vector>

#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/FolderBrowser.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/RemovableDrives.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kCaptionSlot = 133;
constexpr int kSdSlot = 134;
constexpr int kFolderSlot = 132;
constexpr int kFileSlot = 131;
constexpr int kFolderPromptSlot = 104;
constexpr wchar_t kSection[] = L"SOURCE";

fw::WindowArgs Control(HWND parent, int id, RECT rect, DWORD style, const wchar_t* text = L"") {
    fw::WindowArgs args;
    args.parent = parent;
    args.id = id;
    args.rect = rect;
    args.style = style;
    args.text = text;
    args.font = g_fontNormal;
    return args;
}

constexpr DWORD kRadioStyle = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

}  // namespace

const fw::MessageMap& CSourceOpenDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnCommandRange(kRadioSdCard, kRadioFile, &CSourceOpenDlg::OnSelectSource),
        fw::OnCommand(kBrowseFolderId, &CSourceOpenDlg::OnClickedBrowseFolder),
        fw::OnCommand(kBrowseFileId, &CSourceOpenDlg::OnClickedBrowseFile),
        // Installed as written; a dialog does not reflect its children's
        // notifications, so it never runs.
        fw::OnReflectedCommand(CBN_SELCHANGE, &CSourceOpenDlg::OnSelchangeDrive),
    });
    return map;
}

std::wstring CSourceOpenDlg::ChosenPath() const {
    switch (kind_) {
    case kSourceSdCard: return sdText_;
    case kSourceFolder: return folderText_;
    case kSourceFile: return fileText_;
    default: return {};
    }
}

void CSourceOpenDlg::CenterOnScreen() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    SetPos(nullptr, x, y, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSourceOpenDlg::CreateFolderRow() {
    folderRadio_.Create(Control(Handle(), kRadioFolder, {30, 80, 150, 106}, kRadioStyle, UiText(kFolderSlot)));
    folderEdit_.Create(Control(Handle(), kFolderEditId, {150, 80, 450, 106}, kEditStyle, folderText_.c_str()));
    folderBrowse_.Create(Control(Handle(), kBrowseFolderId, {470, 80, 510, 106}, WS_CHILD | WS_VISIBLE, L"..."));
}

void CSourceOpenDlg::CreateFileRow() {
    fileRadio_.Create(Control(Handle(), kRadioFile, {30, 130, 150, 156}, kRadioStyle, UiText(kFileSlot)));
    fileEdit_.Create(Control(Handle(), kFileEditId, {150, 130, 450, 156}, kEditStyle, fileText_.c_str()));
    fileBrowse_.Create(Control(Handle(), kBrowseFileId, {470, 130, 510, 156}, WS_CHILD | WS_VISIBLE, L"..."));
}

void CSourceOpenDlg::FillDrives() {
    std::vector<std::wstring> drives;
    GetRemovableDrives(drives);
    drives_.ResetContent();
    for (const std::wstring& drive : drives) {
        drives_.AddString(drive);
    }
    if (!drives.empty()) {
        drives_.SelectString(drives.back());
    }
}

BOOL CSourceOpenDlg::OnInitDialog() {
    CenterOnScreen();
    SetFont(g_fontNormal, false);
    SetText(UiText(kCaptionSlot));
    sdRadio_.Create(Control(Handle(), kRadioSdCard, {30, 30, 150, 56}, kRadioStyle, UiText(kSdSlot)));
    drives_.Create(Control(Handle(), kDriveComboId, {150, 30, 450, 56},
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST));
    CreateFolderRow();
    CreateFileRow();
    MoveItem(IDOK, {410, 180, 510, 206});
    FillDrives();
    LoadSettings();
    return TRUE;
}

void CSourceOpenDlg::LoadSettings() {
    folderText_ = ReadIniString(kSection, L"FOLDER");
    fileText_ = ReadIniString(kSection, L"FILE");
    sdText_ = ReadIniString(kSection, L"SD");
    folderEdit_.SetText(folderText_);
    fileEdit_.SetText(fileText_);
    SelectSourceKind(SourceRadioForSetting(ReadIniString(kSection, L"SELECT")));
}

void CSourceOpenDlg::SelectSourceKind(int radioId) {
    const SourceKind kind = SourceKindForRadio(radioId);
    if (kind == kSourceNone) {
        return;
    }
    kind_ = kind;
    const std::wstring folder = folderEdit_.GetText();
    const std::wstring file = fileEdit_.GetText();
    EnableItem(IDOK, SourceOkEnabled(kind, DriveSelected(), folder, file));
    sdRadio_.SetChecked(radioId == kRadioSdCard);
    folderRadio_.SetChecked(radioId == kRadioFolder);
    fileRadio_.SetChecked(radioId == kRadioFile);
}

LRESULT CSourceOpenDlg::OnSelectSource(const fw::Message& m) {
    SelectSourceKind(m.CommandId());
    return 0;
}

LRESULT CSourceOpenDlg::OnClickedBrowseFolder(const fw::Message&) {
    const std::wstring chosen = BrowseForFolder(Handle(), kSection, L"FOLDER", UiText(kFolderPromptSlot));
    if (!chosen.empty()) {
        folderText_ = chosen;
        folderEdit_.SetText(chosen);
        SelectSourceKind(kRadioFolder);
    }
    return 0;
}

LRESULT CSourceOpenDlg::OnClickedBrowseFile(const fw::Message&) {
    fw::FileRequest request;
    request.initialName = L"*.mov";
    request.filter = kMovieFilter;
    const std::optional<std::wstring> chosen = fw::Prompts().ChooseFile(Handle(), request);
    if (chosen) {
        fileText_ = *chosen;
        fileEdit_.SetText(*chosen);
        SelectSourceKind(kRadioFile);
    }
    return 0;
}

LRESULT CSourceOpenDlg::OnSelchangeDrive(const fw::Message&) {
    return 0;
}

void CSourceOpenDlg::OnOK() {
    if (DriveSelected()) {
        sdText_ = drives_.GetItemText(drives_.GetCurSel());
    }
    folderText_ = folderEdit_.GetText();
    fileText_ = fileEdit_.GetText();
    if (kind_ != kSourceNone) {
        const auto write = SourceSettingForOk(kind_, sdText_, folderText_, fileText_);
        if (!write) {
            // An emptied text would be stored and opened as "": stay open.
            return;
        }
        WriteIniString(kSection, L"SELECT", write->select);
        WriteIniString(kSection, write->key, write->value);
    }
    EndDialog(IDOK);
}
