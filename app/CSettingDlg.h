#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

// A box of the settings dialog changed (wParam the box, 0 to 3; lParam its
// new state, 1 checked or 0), posted to the dialog's owner.
constexpr UINT WM_APP_SETTING_CHECK = 0x81F5;

// The settings dialog: four check boxes that switch kinds of event marks of
// the G-sensor graph and the map on and off, and the viewer's version. The
// main window makes it once, hidden, and shows it on its settings command.
// The boxes start checked at every start; their states live only here.
class CSettingDlg : public fw::Dialog {
public:
    static constexpr int kBoxCount = 4;
    static constexpr int kFirstBoxId = 32968;
    static constexpr int kVersionTextId = 32981;

    CSettingDlg();

    bool IsBoxChecked(int box) const;
    // "version 1.0.3", then the year of the build and the maker.
    static std::wstring VersionText(const char* buildDate);

protected:
    BOOL OnInitDialog() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    void CreateBoxes();
    void CreateFramesAndVersion();
    // Centred on the screen, with a client area of the dialog's own size.
    void CenterOnScreen();
    void FormatVersionText();
    LRESULT OnDisplayCheck(const fw::Message& m);

    std::array<fw::CheckBox, kBoxCount> boxes_;
    std::array<fw::Button, 2> frames_;
    fw::Static version_;
};
