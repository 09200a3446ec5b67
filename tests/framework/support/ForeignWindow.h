#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"

namespace testing_support {

// A window of the framework's own class in another process (the test
// program's sibling foreign_window.exe), closed with this object.
class ForeignWindow {
public:
    ForeignWindow();
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    // Null when the process or its window did not come up in time.
    HWND Handle() const { return window_; }

private:
    fw::UniqueHandle process_;
    HWND window_ = nullptr;
};

}  // namespace testing_support
