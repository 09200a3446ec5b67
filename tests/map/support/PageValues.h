#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "map/OleVariant.h"

// One element of an array a page received, as the page's script sees it.
struct PageElement {
    VARTYPE type = VT_EMPTY;
    double real = 0.0;      // VT_R8
    long integer = 0;       // VT_I4
};

// The elements of a one-dimensional VT_ARRAY | VT_VARIANT value; a test
// failure (and nothing) for anything else, or a lower bound other than 0.
std::vector<PageElement> PageArray(const OleVariant& value);
