// The one place the media interfaces' ids are defined: several of them are
// in no import library of this tool chain. The definitions are selectany,
// so another unit defining them too links cleanly.

#include <initguid.h>

#include <windows.h>

#include <cguid.h>
#include <d3d9.h>
#include <dxva2api.h>
#include <evr.h>
#include <evr9.h>
#include <mfidl.h>
