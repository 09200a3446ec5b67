#include "KnownBoxTypes.h"

#include <mutex>

namespace {

std::mutex g_lock;
std::shared_ptr<const BoxTypeTrie> g_knownTypes;

}  // namespace

bool BuildKnownBoxTypes() {
    std::shared_ptr<const BoxTypeTrie> built = MakeKnownBoxTypeTrie();
    std::lock_guard<std::mutex> hold(g_lock);
    g_knownTypes = std::move(built);
    return g_knownTypes != nullptr;
}

void FreeKnownBoxTypes() {
    std::lock_guard<std::mutex> hold(g_lock);
    g_knownTypes.reset();
}

std::shared_ptr<const BoxTypeTrie> KnownBoxTypes() {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_knownTypes;
}
