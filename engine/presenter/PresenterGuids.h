#pragma once

#include <guiddef.h>

// Sample attributes of the presenter's own. DEFINE_GUID declares them here;
// PresenterGuids.cpp, which includes <initguid.h> first, defines them.

// The token counter at the time a video sample was made (UINT32): samples of
// an older media type are let go instead of returning to the pool.
DEFINE_GUID(SampleCounterAttribute, 0xb0bb83cc, 0xf10f, 0x4e2e, 0xaa, 0x2b, 0x29, 0xea, 0x5e, 0x92, 0xef, 0x85);
// The swap chain whose back buffer a video sample wraps (IUnknown); it keeps
// the swap chain alive as long as the sample.
DEFINE_GUID(SampleSwapChainAttribute, 0xad885bd1, 0x7def, 0x414a, 0xb5, 0xb0, 0xd3, 0xd2, 0x63, 0xd6, 0xe9, 0x6d);

// A topology attribute that lets the session pick among a source's types;
// no header of this tool chain declares it.
DEFINE_GUID(MF_TOPOLOGY_ENUMERATE_SOURCE_TYPES, 0x6248c36d, 0x5d0b, 0x4f40, 0xa0, 0xbb, 0xb0, 0xb3, 0x05, 0xf7, 0x76,
            0x98);
