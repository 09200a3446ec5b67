#pragma once

#include <windows.h>

#include "ui/core/PlainRect.h"

inline RECT ToRect(const PlainRect& r) { return {r.left, r.top, r.right, r.bottom}; }

inline PlainRect ToPlainRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}
