#include "map/core/MarkNames.h"

#include <array>
#include <cstddef>

namespace {

// By marker kind: the G events, the recorder's own events, then the
// drive-support events.
constexpr std::array<int, 12> kMarkNameSlots = {72, 73, 75, 74, 76, 77, 78, 79, 80, 70, 68, 69};

}  // namespace

int MarkNameSlot(int32_t kind) {
    if (kind < 0 || kind >= static_cast<int32_t>(kMarkNameSlots.size())) {
        return -1;
    }
    return kMarkNameSlots[static_cast<size_t>(kind)];
}
