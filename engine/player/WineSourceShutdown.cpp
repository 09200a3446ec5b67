#include "WineSourceShutdown.h"

namespace {

// Long enough for a command whose thread was preempted on a loaded machine.
constexpr DWORD kIdleWaitMs = 2000;

// What a new reference and its release report: a count that COM does not
// promise, but that Wine's source keeps exactly.
ULONG ReferencesTo(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

DWORD StreamCountOf(IMFMediaSource* source) {
    fw::ComPtr<IMFPresentationDescriptor> descriptor;
    DWORD count = 0;
    if (FAILED(source->CreatePresentationDescriptor(descriptor.Put())) ||
        FAILED(descriptor->GetStreamDescriptorCount(&count))) {
        return 0;
    }
    return count;
}

}  // namespace

ULONG IdleReferencesOf(IMFMediaSource* source, bool sessionStarted) {
    if (source == nullptr) return 0;
    return 1 + StreamCountOf(source) + (sessionStarted ? 1 : 0);
}

void ShutDownWhenIdle(fw::ComPtr<IMFMediaSource>& source, ULONG idleReferences) {
    if (!source) return;
    const ULONGLONG deadline = GetTickCount64() + kIdleWaitMs;
    while (ReferencesTo(source.Get()) > idleReferences && GetTickCount64() < deadline) Sleep(1);
    source->Shutdown();
}
