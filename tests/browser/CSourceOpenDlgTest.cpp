#include "browser/CSourceOpenDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "framework/Application.h"
#include "support/DialogDriver.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/ProgramFolder.h"

namespace {

using testing_support::PressButton;
using testing_support::PressButtonAndWait;
using testing_support::WaitForDialog;

INT_PTR RunDriven(CSourceOpenDlg& dialog, std::function<void(HWND)> drive) {
    std::thread driver([drive, thread = GetCurrentThreadId()] { drive(WaitForDialog(thread, UiText(133))); });
    const INT_PTR result = dialog.DoModal(nullptr);
    driver.join();
    return result;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class SourceDialog : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RegisterCommonControls();
        UiTextVariant = 0;
        testing_support::CurrentDirectory inFolder(folder.Path());
        RecordProgramFolder();
    }
    bool IniExists() const {
        return GetFileAttributesW(IniFilePath().c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    testing_support::TempFolder folder;
    testing_support::ScriptedPrompts prompts;
    fw::ScopedPrompts scoped{prompts};
};

TEST_F(SourceDialog, OpensOnTheStoredFileWithOkEnabled) {
    WriteIniString(L"SOURCE", L"SELECT", L"FILE");
    WriteIniString(L"SOURCE", L"FILE", L"C:\\rec\\2401020304_A001.MOV");
    CSourceOpenDlg dialog;
    std::atomic<bool> file{false}, sd{true}, ok{false};
    std::wstring text;
    RunDriven(dialog, [&](HWND d) {
        file = Checked(d, kRadioFile);
        sd = Checked(d, kRadioSdCard);
        ok = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
        wchar_t buffer[MAX_PATH] = L"";
        GetDlgItemTextW(d, CSourceOpenDlg::kFileEditId, buffer, MAX_PATH);
        text = buffer;
        PressButton(d, IDCANCEL);
    });
    EXPECT_TRUE(file);
    EXPECT_FALSE(sd);
    EXPECT_TRUE(ok);
    EXPECT_EQ(text, L"C:\\rec\\2401020304_A001.MOV");
}

TEST_F(SourceDialog, WithoutSettingsTheSdCardIsChosenAndOkNeedsADrive) {
    CSourceOpenDlg dialog;
    std::atomic<bool> sd{false}, ok{true};
    std::atomic<int> drives{-1};
    const INT_PTR result = RunDriven(dialog, [&](HWND d) {
        sd = Checked(d, kRadioSdCard);
        ok = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
        drives = static_cast<int>(SendDlgItemMessageW(d, CSourceOpenDlg::kDriveComboId, CB_GETCOUNT, 0, 0));
        PressButton(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(sd);
    EXPECT_EQ(ok, drives > 0);
    EXPECT_FALSE(IniExists());  // Cancel writes nothing
}

TEST_F(SourceDialog, TypedFolderTextIsWhatOkStores) {
    WriteIniString(L"SOURCE", L"SELECT", L"FOLDER");
    WriteIniString(L"SOURCE", L"FOLDER", L"C:\\old");
    CSourceOpenDlg dialog;
    const INT_PTR result = RunDriven(dialog, [&](HWND d) {
        SetDlgItemTextW(d, CSourceOpenDlg::kFolderEditId, L"C:\\typed");
        PressButton(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.Kind(), kSourceFolder);
    EXPECT_EQ(dialog.ChosenPath(), L"C:\\typed");
    EXPECT_EQ(ReadIniString(L"SOURCE", L"SELECT"), L"FOLDER");
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FOLDER"), L"C:\\typed");
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FILE"), L"");
}

TEST_F(SourceDialog, AnEmptiedTextIsRefusedAndNothingIsStored) {
    WriteIniString(L"SOURCE", L"SELECT", L"FOLDER");
    WriteIniString(L"SOURCE", L"FOLDER", L"C:\\old");
    CSourceOpenDlg dialog;
    std::atomic<bool> openAfterOk{false};
    const INT_PTR result = RunDriven(dialog, [&](HWND d) {
        SetDlgItemTextW(d, CSourceOpenDlg::kFolderEditId, L"");
        PressButtonAndWait(d, IDOK);
        openAfterOk = IsWindow(d) != FALSE;
        PressButton(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FOLDER"), L"C:\\old");
}

TEST_F(SourceDialog, TheFileBrowserFillsTheFileRowAndChoosesIt) {
    prompts.QueueFile(std::wstring(L"C:\\rec\\2401020312_G002.MOV"));
    CSourceOpenDlg dialog;
    std::atomic<bool> file{false}, ok{false};
    const INT_PTR result = RunDriven(dialog, [&](HWND d) {
        PressButtonAndWait(d, CSourceOpenDlg::kBrowseFileId);
        file = Checked(d, kRadioFile);
        ok = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
        PressButton(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(file);
    EXPECT_TRUE(ok);
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    EXPECT_EQ(prompts.FileRequests()[0].initialName, L"*.mov");
    EXPECT_EQ(prompts.FileRequests()[0].filter, CSourceOpenDlg::kMovieFilter);
    EXPECT_EQ(ReadIniString(L"SOURCE", L"SELECT"), L"FILE");
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FILE"), L"C:\\rec\\2401020312_G002.MOV");
}

}  // namespace
