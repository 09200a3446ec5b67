#include "app/CSettingDlg.h"

#include <cstring>
#include <utility>

#include "app/MainWindowIds.h"
#include "framework/Format.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kTitleSlot = 124;
constexpr std::array<int, CSettingDlg::kBoxCount> kBoxSlots{116, 125, 126, 130};
constexpr int kMarksFrameSlot = 129;
constexpr int kVersionFrameSlot = 128;

// Where the four boxes stand, in the dialog's client coordinates.
constexpr std::array<RECT, CSettingDlg::kBoxCount> g_settingCheckRects{{
    {40, 40, 200, 80},
    {40, 100, 200, 140},
    {240, 40, 400, 80},
    {240, 100, 400, 140},
}};
constexpr RECT kMarksFrame{10, 10, 440, 170};
constexpr RECT kVersionFrame{10, 170, 440, 280};
constexpr RECT kVersionText{20, 190, 430, 250};

constexpr int kClientWidth = 460;
constexpr int kClientHeight = 400;

// The range of box commands is wider than the boxes.
constexpr UINT kLastBoxCommand = 32975;

constexpr wchar_t kViewerVersion[] = L"1.0.3";
constexpr wchar_t kMaker[] = L"DURNAX";

}  // namespace

CSettingDlg::CSettingDlg() : fw::Dialog(kSettingsTemplate) {}

const fw::MessageMap& CSettingDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnCommandRange(kFirstBoxId, kLastBoxCommand, &CSettingDlg::OnDisplayCheck),
    });
    return map;
}

BOOL CSettingDlg::OnInitDialog() {
    SetFont(g_fontNormal, false);
    SetText(UiText(kTitleSlot));
    CreateBoxes();
    CenterOnScreen();
    CreateFramesAndVersion();
    FormatVersionText();
    return TRUE;
}

bool CSettingDlg::IsBoxChecked(int box) const {
    return box >= 0 && box < kBoxCount && boxes_[static_cast<size_t>(box)].IsChecked();
}

// Plain check boxes: the dialog toggles them itself, so what it posts is
// exactly what the box shows.
void CSettingDlg::CreateBoxes() {
    for (int i = 0; i < kBoxCount; ++i) {
        fw::WindowArgs args;
        args.parent = Handle();
        args.id = kFirstBoxId + i;
        args.rect = g_settingCheckRects[static_cast<size_t>(i)];
        args.style = WS_CHILD | WS_VISIBLE | BS_CHECKBOX;
        args.text = UiText(kBoxSlots[static_cast<size_t>(i)]);
        args.font = g_fontNormal;
        fw::CheckBox& box = boxes_[static_cast<size_t>(i)];
        box.Create(args);
        box.SetChecked(true);
    }
}

void CSettingDlg::CreateFramesAndVersion() {
    const std::array<std::pair<RECT, int>, 2> frames{{{kMarksFrame, kMarksFrameSlot}, {kVersionFrame, kVersionFrameSlot}}};
    for (size_t i = 0; i < frames.size(); ++i) {
        fw::WindowArgs args;
        args.parent = Handle();
        args.rect = frames[i].first;
        args.style = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
        args.text = UiText(frames[i].second);
        args.font = g_fontNormal;
        frames_[i].Create(args);
    }
    fw::WindowArgs args;
    args.parent = Handle();
    args.id = kVersionTextId;
    args.rect = kVersionText;
    args.style = WS_CHILD | WS_VISIBLE;
    args.font = g_fontNormal;
    version_.Create(args);
}

void CSettingDlg::CenterOnScreen() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring CSettingDlg::VersionText(const char* buildDate) {
    const char* space = std::strrchr(buildDate, ' ');
    const std::string year = space != nullptr ? space + 1 : buildDate;
    return fw::Format(L"version %s\r\nCopyright (C) %s %s", kViewerVersion,
                      std::wstring(year.begin(), year.end()).c_str(), kMaker);
}

void CSettingDlg::FormatVersionText() { version_.SetText(VersionText(__DATE__)); }

LRESULT CSettingDlg::OnDisplayCheck(const fw::Message& m) {
    const int box = m.CommandId() - kFirstBoxId;
    if (box < 0 || box >= kBoxCount) {
        return 0;
    }
    const fw::CheckBox& check = boxes_[static_cast<size_t>(box)];
    check.SetChecked(!check.IsChecked());
    PostMessageW(Parent(), WM_APP_SETTING_CHECK, static_cast<WPARAM>(box), check.IsChecked() ? 1 : 0);
    return 0;
}
