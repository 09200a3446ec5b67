#pragma once

#include <windows.h>

#include <vector>

// Media Foundation (and COM) for the lifetime of the object. Its end waits,
// a bounded time, for the threads started meanwhile to end: the platform's
// work-queue threads end only once it is shut down, and under Wine one that
// ran the decoder and is still ending when the process exits can crash the
// exit.
class MediaFoundationScope {
public:
    MediaFoundationScope();
    ~MediaFoundationScope();
    MediaFoundationScope(const MediaFoundationScope&) = delete;
    MediaFoundationScope& operator=(const MediaFoundationScope&) = delete;
    bool Ready() const { return SUCCEEDED(result_); }

private:
    std::vector<DWORD> threadsBefore_;
    HRESULT com_;
    HRESULT result_;
};
