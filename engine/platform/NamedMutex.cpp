#include "NamedMutex.h"

ReplaceableHook<NamedMutexFactory>& NamedMutexFactoryHook() {
    static ReplaceableHook<NamedMutexFactory> hook;
    return hook;
}

std::unique_ptr<NamedMutex> CreateNamedMutex(const wchar_t* name) {
    const NamedMutexFactory factory = NamedMutexFactoryHook().Current();
    return factory ? factory(name) : CreateSystemNamedMutex(name);
}
