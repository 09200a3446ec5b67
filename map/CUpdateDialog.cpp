#include "map/CUpdateDialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kUpdateDialogTemplate = 220;
constexpr int kLinkId = 1007;
constexpr int kCaptionSlot = 108;
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
// The buttons' strip keeps the dialog's own colour.
constexpr int kButtonStripHeight = 50;

void OpenWithShell(HWND owner, const std::wstring& url) {
    ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

CUpdateDialog::CUpdateDialog(std::wstring message, UpdatePages pages)
    : fw::Dialog(kUpdateDialogTemplate),
      message_(std::move(message)),
      pages_(std::move(pages)),
      openPage_(OpenWithShell),
      white_(CreateSolidBrush(kWhite)) {}

const fw::MessageMap& CUpdateDialog::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnNotify(NM_CLICK, kLinkId, &CUpdateDialog::OnClickLink),
        fw::OnCtlColor(&CUpdateDialog::OnCtlColor),
        fw::OnMessage(WM_ERASEBKGND, &CUpdateDialog::OnEraseBkgnd),
    });
    return map;
}

BOOL CUpdateDialog::OnInitDialog() {
    if (g_fontSmall != nullptr) {
        SetFont(g_fontSmall);
        SendDlgItemMessageW(Handle(), kLinkId, WM_SETFONT, reinterpret_cast<WPARAM>(g_fontSmall), TRUE);
    }
    SetText(UiText(kCaptionSlot));
    SetItemText(kLinkId, message_);
    return TRUE;
}

// Only the two pages the program names are ever opened, whatever a link
// in the text may say.
LRESULT CUpdateDialog::OnClickLink(const fw::Message& m) {
    const auto* link = reinterpret_cast<const NMLINK*>(m.lParam);
    const std::wstring url = link->item.szUrl;
    if (url == pages_.firmware || url == pages_.viewer) {
        openPage_(Handle(), url);
    }
    return 0;
}

LRESULT CUpdateDialog::OnCtlColor(const fw::Message& m) {
    if (m.CtlColorWindow() != Item(kLinkId)) {
        return Default(m);
    }
    SetBkMode(m.CtlColorDC(), TRANSPARENT);
    SetBkColor(m.CtlColorDC(), kWhite);
    return reinterpret_cast<LRESULT>(white_.Get());
}

LRESULT CUpdateDialog::OnEraseBkgnd(const fw::Message& m) {
    Default(m);
    RECT area = ClientRect();
    area.bottom -= kButtonStripHeight;
    FillRect(reinterpret_cast<HDC>(m.wParam), &area, white_.Get());
    return TRUE;
}
