#pragma once

#include <windows.h>

#include <string>

#include "browser/core/SourceChoice.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"

// The source dialog (template 177): SD card, folder or single
// file, with the choice stored under [SOURCE] of the settings file. The
// caller reads the kind and the matching text after IDOK.
class CSourceOpenDlg : public fw::Dialog {
public:
    static constexpr int kTemplateId = 177;
    static constexpr int kDriveComboId = 39100;
    static constexpr int kFolderEditId = 39200;
    static constexpr int kFileEditId = 39201;
    static constexpr int kBrowseFolderId = 39003;
    static constexpr int kBrowseFileId = 39004;
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 265;

    CSourceOpenDlg() : fw::Dialog(kTemplateId) {}

    SourceKind Kind() const { return kind_; }
    const std::wstring& FolderText() const { return folderText_; }
    const std::wstring& FileText() const { return fileText_; }
    const std::wstring& SdText() const { return sdText_; }
    // The text of the chosen kind: the path the main window opens.
    std::wstring ChosenPath() const;

    void SelectSourceKind(int radioId);
    void LoadSettings();

    // The open-file filter, as written ("*mp4" without its dot included).
    static constexpr wchar_t kMovieFilter[] = L"Movie Files(*.mov;*.mp4)|*.mov;*mp4|All Files(*.*)|*.*||";

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnSelectSource(const fw::Message& m);
    LRESULT OnClickedBrowseFolder(const fw::Message& m);
    LRESULT OnClickedBrowseFile(const fw::Message& m);
    LRESULT OnSelchangeDrive(const fw::Message& m);
    void CenterOnScreen();
    void CreateFolderRow();
    void CreateFileRow();
    void FillDrives();
    bool DriveSelected() const { return drives_.GetCurSel() != CB_ERR; }

    std::wstring folderText_;
    std::wstring fileText_;
    std::wstring sdText_;
    SourceKind kind_ = kSourceNone;

    fw::CheckBox sdRadio_;
    fw::ComboBox drives_;
    fw::CheckBox folderRadio_;
    fw::Edit folderEdit_;
    fw::Button folderBrowse_;
    fw::CheckBox fileRadio_;
    fw::Edit fileEdit_;
    fw::Button fileBrowse_;
};
