#include "MediaFoundationScope.h"

#include <mfapi.h>
#include <tlhelp32.h>

#include <algorithm>

#include "framework/Handles.h"

namespace {

constexpr DWORD kThreadsEndWaitMs = 5000;

std::vector<DWORD> ThreadsOfThisProcess() {
    std::vector<DWORD> threads;
    const fw::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.Valid()) return threads;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) threads.push_back(entry.th32ThreadID);
    }
    return threads;
}

// Waits until every thread of the process that is not in the list has
// ended, or the time is up.
void AwaitThreadsNotIn(const std::vector<DWORD>& kept, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        std::vector<fw::UniqueHandle> started;
        for (const DWORD id : ThreadsOfThisProcess()) {
            if (id == GetCurrentThreadId() || std::find(kept.begin(), kept.end(), id) != kept.end()) continue;
            fw::UniqueHandle thread(OpenThread(SYNCHRONIZE, FALSE, id));
            if (thread.Valid()) started.push_back(std::move(thread));
        }
        const ULONGLONG now = GetTickCount64();
        if (started.empty() || now >= deadline) return;
        // A thread that has not ended is waited for, then the process looked at again.
        WaitForSingleObject(started.front().Get(), static_cast<DWORD>(deadline - now));
    }
}

}  // namespace

MediaFoundationScope::MediaFoundationScope()
    : threadsBefore_(ThreadsOfThisProcess()),
      com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)),
      result_(MFStartup(MF_VERSION)) {}

MediaFoundationScope::~MediaFoundationScope() {
    if (SUCCEEDED(result_)) MFShutdown();
    AwaitThreadsNotIn(threadsBefore_, kThreadsEndWaitMs);
    if (SUCCEEDED(com_)) CoUninitialize();
}
