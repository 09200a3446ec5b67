#include "framework/WorkerThread.h"

#include <process.h>

namespace fw {

WorkerThread::WorkerThread(std::function<unsigned()> body) : body_(std::move(body)) {
    unsigned id = 0;
    // _beginthreadex, not CreateThread, so the C runtime is set up for it.
    const uintptr_t handle = _beginthreadex(nullptr, 0, &WorkerThread::Entry, this, CREATE_SUSPENDED, &id);
    handle_.Reset(reinterpret_cast<HANDLE>(handle));
    threadId_ = id;
}

WorkerThread::~WorkerThread() {
    if (!handle_.Valid()) {
        return;
    }
    if (!resumed_.load()) {
        cancelled_ = true;
        ResumeThread(handle_.Get());
    }
    WaitForSingleObject(handle_.Get(), INFINITE);
}

bool WorkerThread::Resume() {
    if (!handle_.Valid() || resumed_.exchange(true)) {
        return false;
    }
    return ResumeThread(handle_.Get()) != static_cast<DWORD>(-1);
}

DWORD WorkerThread::Wait(DWORD milliseconds) const {
    return handle_.Valid() ? WaitForSingleObject(handle_.Get(), milliseconds) : WAIT_FAILED;
}

DWORD WorkerThread::WaitServingSentMessages(DWORD milliseconds) const {
    if (!handle_.Valid()) {
        return WAIT_FAILED;
    }
    const HANDLE handle = handle_.Get();
    const ULONGLONG deadline = milliseconds == INFINITE ? 0 : GetTickCount64() + milliseconds;
    for (;;) {
        // Peeking delivers the messages sent to this thread; nothing posted
        // is taken from the queue. It comes before each wait, which wakes
        // only for messages sent since the queue was last looked at: one
        // already waiting there would otherwise be left waiting.
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        DWORD left = INFINITE;
        if (milliseconds != INFINITE) {
            const ULONGLONG now = GetTickCount64();
            left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        }
        const DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) {
            return result;
        }
    }
}

unsigned __stdcall WorkerThread::Entry(void* self) {
    auto* thread = static_cast<WorkerThread*>(self);
    if (thread->cancelled_.load()) {
        return 0;
    }
    const unsigned code = thread->body_ ? thread->body_() : 0;
    thread->exitCode_ = code;
    return code;
}

}  // namespace fw
