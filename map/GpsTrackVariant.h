#pragma once

#include "map/OleVariant.h"
#include "map/core/GpsTrackArray.h"

// The track as the pages receive it: one-dimensional array of VARIANT, lower
// bound 0, coordinates as VT_R8 and the times and the count as VT_I4. Empty
// (VT_EMPTY, which the pages read as no data) when the array cannot be made.
OleVariant ToVariant(const GpsTrackArray& track);
