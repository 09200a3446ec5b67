#pragma once

#include <cstdint>

struct _GUID;

// Finds the JPEG encoder among the image encoders of GDI+ (which the
// application has started) and copies its class id to clsid. Returns the
// encoder's place in GDI+'s list, or -1 when there is none or GDI+ cannot
// list its encoders.
int32_t GetJpegEncoderClsid(_GUID* clsid);
