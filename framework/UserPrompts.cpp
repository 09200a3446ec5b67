#include "framework/UserPrompts.h"

#include <atomic>

namespace fw {

namespace {

std::atomic<UserPrompts*> g_replacement{nullptr};

}  // namespace

UserPrompts& Prompts() {
    UserPrompts* replacement = g_replacement.load();
    return replacement != nullptr ? *replacement : PlatformPrompts();
}

ScopedPrompts::ScopedPrompts(UserPrompts& replacement) : previous_(g_replacement.exchange(&replacement)) {}

ScopedPrompts::~ScopedPrompts() {
    g_replacement = previous_;
}

}  // namespace fw
