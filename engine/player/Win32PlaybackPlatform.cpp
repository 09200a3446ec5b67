#include <windows.h>

#include "DirectShowBackend.h"
#include "MediaFoundationBackend.h"

namespace {

// Media Foundation is there when its platform library loads.
bool MediaFoundationPresent() {
    HMODULE library = LoadLibraryW(L"Mfplat.dll");
    if (library == nullptr) return false;
    FreeLibrary(library);
    return true;
}

}  // namespace

std::unique_ptr<PlaybackBackend> CreatePlatformPlaybackBackend(HWND__* videoWindow) {
    if (MediaFoundationPresent()) {
        if (auto player = MediaFoundationBackend::Create(videoWindow)) return player;
    }
    return DirectShowBackend::Create(videoWindow);
}
