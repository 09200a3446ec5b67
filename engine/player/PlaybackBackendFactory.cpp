#include "PlaybackBackend.h"

ReplaceableHook<PlaybackBackendFactory>& PlaybackBackendFactoryHook() {
    static ReplaceableHook<PlaybackBackendFactory> hook;
    return hook;
}

std::unique_ptr<PlaybackBackend> CreatePlaybackBackend(HWND__* videoWindow) {
    const PlaybackBackendFactory factory = PlaybackBackendFactoryHook().Current();
    return factory ? factory(videoWindow) : CreatePlatformPlaybackBackend(videoWindow);
}
