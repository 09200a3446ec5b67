#include "framework/Application.h"

#include <commctrl.h>

#include "framework/ComPtr.h"

namespace fw {

bool RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_LINK_CLASS;
    return InitCommonControlsEx(&controls) != FALSE;
}

namespace {

Application* g_running = nullptr;

}  // namespace

Application::~Application() {
    if (g_running == this) {
        g_running = nullptr;
    }
}

Application* Application::Current() { return g_running; }

int Application::Run() {
    // Apartment-threaded OLE on the UI thread: the folder dialog and the
    // embedded browsers need it.
    ComApartment ole(ComApartment::Kind::Ole);
    RegisterCommonControls();
    g_running = this;
    struct Finished {
        ~Finished() { g_running = nullptr; }
    } finished;
    if (!InitInstance()) {
        return 0;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace fw
