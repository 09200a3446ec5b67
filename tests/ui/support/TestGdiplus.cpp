#include "TestGdiplus.h"

#include "framework/GdiplusSession.h"

namespace testing_support {

void EnsureGdiplus() {
    static const fw::GdiplusSession session;
    (void)session;
}

}  // namespace testing_support
