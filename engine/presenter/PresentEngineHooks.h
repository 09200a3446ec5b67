#pragma once

#include <windows.h>

#include <functional>

#include "platform/ReplaceableHook.h"

// What tests put in place of answers the host cannot be made to give: the
// plain Direct3D 9 path of older systems, a failing Direct3D start and a
// lost or removed device. Empty in the product.
struct PresentEngineHooks {
    // True for the Direct3D 9Ex path, in place of the system version test.
    ReplaceableHook<std::function<bool()>> useDirect3D9Ex;
    // A failure here is taken as Direct3DCreate9Ex's own.
    ReplaceableHook<std::function<HRESULT()>> direct3DCreate9Ex;
    // The device test's answer, in place of the device's.
    ReplaceableHook<std::function<HRESULT()>> deviceState;
};

PresentEngineHooks& PresentEngineTestHooks();
