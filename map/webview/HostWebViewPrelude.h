#pragma once

// Stands in for the header that the library's base types would give: the
// platform's own declarations of them.
#include <windows.h>
#include <oaidl.h>
