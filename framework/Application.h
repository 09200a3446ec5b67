#pragma once

#include <windows.h>

namespace fw {

// The program's one application object. Run() prepares the UI thread
// (OLE, the common-control classes including SysLink), then calls
// InitInstance. A program whose whole life is a modal dialog runs it there
// and returns FALSE; otherwise Run pumps messages until WM_QUIT.
class Application {
public:
    virtual ~Application() = default;
    int Run();

protected:
    virtual BOOL InitInstance() = 0;
};

// Registers the common-control classes the program uses; safe to repeat.
bool RegisterCommonControls();

}  // namespace fw
