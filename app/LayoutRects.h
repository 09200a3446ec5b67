#pragma once

#include <windows.h>

#include "app/core/MainWindowGeometry.h"

inline RECT ToRect(const LayoutRect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline LayoutRect ToLayoutRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}
