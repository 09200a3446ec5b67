#pragma once

#include "framework/Window.h"

namespace testing_support {

// A plain top-level window of the program's own class to put controls on.
class HostWindow : public fw::Window {
public:
    explicit HostWindow(RECT rect = {0, 0, 640, 480}, DWORD style = WS_POPUP | WS_VISIBLE) {
        fw::WindowArgs args;
        args.rect = rect;
        args.style = style;
        Create(args);
    }
};

}  // namespace testing_support
