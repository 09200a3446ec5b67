#pragma once

#include <windows.h>

// Open kernel handles, found by asking the system about every handle value
// a small process can have (the counting calls answer 0 under Wine).
DWORD CountOpenHandles();

// GDI objects of this process.
DWORD CountGdiObjects();
