#include "app/CkadomirApp.h"

#include <memory>

#include "app/CkadomirDlg.h"
#include "framework/GdiplusSession.h"
#include "ui/shared/UiFonts.h"

BOOL CkadomirApp::InitInstance() {
    // GDI+ outlives everything drawn with it: the main window's skin images
    // go with the window, the shared fonts after it.
    const fw::GdiplusSession gdiplus;
    {
        auto dialog = std::make_unique<CkadomirDlg>(seams_());
        mainWindow_ = dialog.get();
        dialog->DoModal(nullptr);
        mainWindow_ = nullptr;
    }
    DeleteUiFonts();
    return FALSE;
}
