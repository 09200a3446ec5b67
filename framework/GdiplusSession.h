#pragma once

#include <windows.h>

namespace fw {

// GDI+ started for the scope. Every GDI+ object must be gone before the
// session ends.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const { return token_ != 0; }
    // How many sessions are started and not yet shut down.
    static int Running();

private:
    ULONG_PTR token_ = 0;
};

}  // namespace fw
