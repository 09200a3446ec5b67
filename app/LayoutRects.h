#pragma once

#include "app/core/MainWindowGeometry.h"
#include "framework/Window.h"
#include "ui/shared/PlainRectConversion.h"

// Moves a child to its place in the layout; a window not made is skipped.
inline void Place(const fw::Window* window, const LayoutRect& r, bool repaint = true) {
    if (window != nullptr && window->Handle() != nullptr) {
        window->Move(ToRect(r), repaint);
    }
}

inline void ShowIf(const fw::Window* window, bool shown) {
    if (window != nullptr && window->Handle() != nullptr) {
        window->Show(shown ? SW_SHOW : SW_HIDE);
    }
}
