#include "NamedMutex.h"

#include <mutex>

namespace {

std::mutex g_factoryLock;
NamedMutexFactory g_factory;

}  // namespace

std::unique_ptr<NamedMutex> CreateNamedMutex(const wchar_t* name) {
    NamedMutexFactory factory;
    {
        std::lock_guard<std::mutex> hold(g_factoryLock);
        factory = g_factory;
    }
    return factory ? factory(name) : CreateSystemNamedMutex(name);
}

ScopedNamedMutexFactory::ScopedNamedMutexFactory(NamedMutexFactory factory) {
    std::lock_guard<std::mutex> hold(g_factoryLock);
    previous_ = std::move(g_factory);
    g_factory = std::move(factory);
}

ScopedNamedMutexFactory::~ScopedNamedMutexFactory() {
    std::lock_guard<std::mutex> hold(g_factoryLock);
    g_factory = std::move(previous_);
}
