#pragma once

#include <windows.h>

namespace fw {

// The program's one application object. Run() prepares the UI thread
// (OLE, the common-control classes including SysLink), then calls
// InitInstance. A program whose whole life is a modal dialog runs it there
// and returns FALSE; otherwise Run pumps messages until WM_QUIT.
class Application {
public:
    virtual ~Application();
    int Run();
    // The application whose Run is under way; null outside it.
    static Application* Current();
    // Idle-time housekeeping, which the main window asks for now and then.
    // TRUE when more remains to be done. Nothing here needs it so far.
    virtual BOOL OnIdle(LONG count) {
        (void)count;
        return FALSE;
    }

protected:
    virtual BOOL InitInstance() = 0;
};

// Registers the common-control classes the program uses; safe to repeat.
bool RegisterCommonControls();

}  // namespace fw
