#pragma once

namespace testing_support {

// Starts GDI+ once for the test program; it stops at exit, after every
// test's images are gone.
void EnsureGdiplus();

}  // namespace testing_support
