#pragma once

// The result codes the presenter's portable parts return. On Windows they
// are the platform's own; the native build defines the few it needs with
// the same values, so the same code and tests run on both hosts.

#ifdef _WIN32
#include <windows.h>
#include <mferror.h>
#else
#include <cstdint>

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
constexpr HRESULT MF_E_UNSUPPORTED_RATE = static_cast<HRESULT>(0xC00D36D0);

constexpr bool SUCCEEDED(HRESULT result) { return result >= 0; }
constexpr bool FAILED(HRESULT result) { return result < 0; }
#endif
