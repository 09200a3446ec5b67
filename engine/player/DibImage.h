#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "PlaybackBackend.h"

// A device-independent bitmap from a renderer as a CapturedImage: 24- or
// 32-bit, rows either way up. False when the header is not one of those or
// the pixels are fewer than it says.
bool ImageFromDib(const BITMAPINFOHEADER& header, const uint8_t* pixels, size_t size, CapturedImage& image);

// The same from a packed bitmap: the header, then the pixels.
bool ImageFromPackedDib(const uint8_t* dib, size_t size, CapturedImage& image);
