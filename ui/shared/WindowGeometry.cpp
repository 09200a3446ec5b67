#include "ui/shared/WindowGeometry.h"

RECT GetRectRelativeTo(HWND reference, HWND other) {
    RECT origin{};
    RECT r{};
    GetWindowRect(reference, &origin);
    GetWindowRect(other, &r);
    OffsetRect(&r, -origin.left, -origin.top);
    return r;
}
