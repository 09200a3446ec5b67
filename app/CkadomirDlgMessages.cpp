// The main window's message map: every message, command and notification
// it handles, one row each, naming the handler.

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"

const fw::MessageMap& CkadomirDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_PAINT, &CkadomirDlg::OnPaint),
        fw::OnMessage(WM_QUERYDRAGICON, &CkadomirDlg::OnQueryDragIcon),
        fw::OnMessage(WM_ERASEBKGND, &CkadomirDlg::OnEraseBkgnd),
        fw::OnCtlColor(&CkadomirDlg::OnCtlColor),
        fw::OnMessage(WM_LBUTTONDOWN, &CkadomirDlg::OnLButtonDown),
        fw::OnMessage(WM_LBUTTONUP, &CkadomirDlg::OnLButtonUp),
        fw::OnMessage(WM_MOUSEMOVE, &CkadomirDlg::OnMouseMove),
        fw::OnMessage(WM_MOVE, &CkadomirDlg::OnMove),
        fw::OnMessage(WM_TIMER, &CkadomirDlg::OnTimer),
        fw::OnCommand(kCommandClose, &CkadomirDlg::OnCloseButton),
        fw::OnCommand(kCommandMinimize, &CkadomirDlg::OnMinimizeButton),
        fw::OnCommand(kCommandSizeMode, &CkadomirDlg::OnSizeButton),
        fw::OnMessage(WM_APP_SOURCE_LOST, &CkadomirDlg::OnSourceLost),
        fw::OnMessage(WM_SYSCOMMAND, &CkadomirDlg::OnSysCommand),
    });
    return map;
}
