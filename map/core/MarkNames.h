#pragma once

#include <cstdint>

// The text slot of an event-marker kind's name (0 to 11), or -1 for any
// other kind, negative ones included.
int MarkNameSlot(int32_t kind);
