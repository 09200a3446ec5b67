#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "framework/Handles.h"

namespace fw {

// A thread that is created suspended, started with Resume() and waited for
// on its handle by its owner; the object is never deleted behind the
// owner's back. Destroying the object waits for a running body; a body
// that was never resumed does not run at all.
class WorkerThread {
public:
    explicit WorkerThread(std::function<unsigned()> body);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    bool Created() const { return handle_.Valid(); }
    bool Resume();
    // WAIT_OBJECT_0 once the thread has ended, WAIT_TIMEOUT before.
    DWORD Wait(DWORD milliseconds = INFINITE) const;
    // The same wait for a window thread: messages that other threads send
    // to its windows are handled meanwhile, so a body blocked in
    // SendMessage to one of them can still finish. Posted messages stay
    // queued.
    DWORD WaitServingSentMessages(DWORD milliseconds = INFINITE) const;
    HANDLE Handle() const { return handle_.Get(); }
    DWORD ThreadId() const { return threadId_; }
    unsigned ExitCode() const { return exitCode_.load(); }

private:
    static unsigned __stdcall Entry(void* self);

    std::function<unsigned()> body_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> resumed_{false};
    std::atomic<unsigned> exitCode_{0};
    UniqueHandle handle_;
    DWORD threadId_ = 0;
};

}  // namespace fw
