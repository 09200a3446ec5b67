// The one place that defines the interface and service ids the tool chain's
// import libraries lack (the device manager's, the mixer bitmap's, the
// renderer's interfaces), together with the presenter's own attributes.
// With <initguid.h> first, every DEFINE_GUID in these headers becomes a
// definition, and the tool chain makes them selectany, so they link beside
// the import libraries that have some of them too.
#include <initguid.h>

#include <cguid.h>
#include <d3d9.h>
#include <dxva2api.h>
#include <mfidl.h>
#include <evr.h>
#include <evr9.h>

#include "PresenterGuids.h"
