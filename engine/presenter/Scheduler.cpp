#include "Scheduler.h"

#include <timeapi.h>

#include "core/PresenterArithmetic.h"
#include "core/SchedulingDecision.h"

namespace {

// The system timer's resolution while the thread runs, so that waits of a
// few milliseconds hold.
constexpr UINT kTimerPeriodMs = 1;

}  // namespace

Scheduler::~Scheduler() {
    StopScheduler();
    ClearQueue();
}

void Scheduler::SetFrameDuration(LONGLONG duration) {
    frameDuration_ = duration;
    quarterFrame_ = QuarterFrame(duration);
}

HRESULT Scheduler::StartScheduler(IMFClock* clock) {
    if (thread_.Valid()) return E_UNEXPECTED;
    clock_ = clock;
    timerPeriodSet_ = timeBeginPeriod(kTimerPeriodMs) == TIMERR_NOERROR;

    readyEvent_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    flushEvent_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (readyEvent_.Valid() && flushEvent_.Valid()) {
        thread_.Reset(CreateThread(nullptr, 0, &Scheduler::SchedulerThreadProc, this, 0, &threadId_));
    }
    if (!thread_.Valid()) {
        // A failed start leaves nothing behind.
        const HRESULT result = HRESULT_FROM_WIN32(GetLastError());
        readyEvent_.Reset();
        flushEvent_.Reset();
        EndTimerPeriod();
        return FAILED(result) ? result : E_FAIL;
    }

    const HANDLE waits[] = {readyEvent_.Get(), thread_.Get()};
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    readyEvent_.Reset();
    if (woken == WAIT_OBJECT_0) return S_OK;

    thread_.Reset();
    flushEvent_.Reset();
    threadId_ = 0;
    EndTimerPeriod();
    return E_UNEXPECTED;
}

HRESULT Scheduler::StopScheduler() {
    if (!thread_.Valid()) return S_OK;
    PostThreadMessageW(threadId_, kTerminateMessage, 0, 0);
    WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
    flushEvent_.Reset();
    threadId_ = 0;
    ClearQueue();
    EndTimerPeriod();
    return S_OK;
}

HRESULT Scheduler::Flush() {
    if (!thread_.Valid()) return S_OK;
    PostThreadMessageW(threadId_, kFlushMessage, 0, 0);
    const HANDLE waits[] = {flushEvent_.Get(), thread_.Get()};
    WaitForMultipleObjects(2, waits, FALSE, kFlushTimeoutMs);
    return S_OK;
}

HRESULT Scheduler::QueueSample(IMFSample* sample) {
    if (callback_ == nullptr || !thread_.Valid()) return MF_E_NOT_INITIALIZED;
    DWORD exitCode = 0;
    if (!GetExitCodeThread(thread_.Get(), &exitCode) || exitCode != STILL_ACTIVE) return E_FAIL;
    {
        CriticalSectionLock hold(lock_);
        const HRESULT result = scheduled_.InsertBack(sample);
        if (FAILED(result)) return result;
    }
    PostThreadMessageW(threadId_, kScheduleMessage, 0, 0);
    return S_OK;
}

HRESULT Scheduler::ProcessSamplesInQueue(DWORD* nextWaitMs) {
    HRESULT result = S_OK;
    DWORD waitMs = 0;
    bool keptBack = false;
    while (SUCCEEDED(result) && !keptBack) {
        fw::ComPtr<IMFSample> sample;
        {
            CriticalSectionLock hold(lock_);
            if (scheduled_.IsEmpty()) break;
            scheduled_.RemoveFront(sample.Put());
        }
        result = PresentOrKeep(sample.Get(), &waitMs, &keptBack);
    }
    // Nothing kept back: sleep until the next message.
    *nextWaitMs = waitMs == 0 ? INFINITE : waitMs;
    return result;
}

// Presents the frame, or puts it back at the front of the queue and sets
// how long to wait for it.
HRESULT Scheduler::PresentOrKeep(IMFSample* sample, DWORD* waitMs, bool* keptBack) {
    LONGLONG sampleTime = 0;
    if (clock_ && SUCCEEDED(sample->GetSampleTime(&sampleTime))) {
        LONGLONG clockTime = 0;
        MFTIME systemTime = 0;
        if (FAILED(clock_->GetCorrelatedTime(0, &clockTime, &systemTime))) clockTime = 0;
        const SchedulingDecision decision = DecideSchedule(sampleTime, clockTime, rate_, quarterFrame_);
        if (!decision.present) {
            *waitMs = decision.waitMs;
            *keptBack = true;
            CriticalSectionLock hold(lock_);
            return scheduled_.InsertFront(sample);
        }
        if (decision.late) ++lateFrames_;
    }
    return callback_->PresentSample(sample, clock_ ? sampleTime : 0);
}

DWORD WINAPI Scheduler::SchedulerThreadProc(LPVOID scheduler) {
    return static_cast<Scheduler*>(scheduler)->RunThread();
}

DWORD Scheduler::RunThread() {
    MSG message;
    // Makes the thread's message queue before anyone posts to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetEvent(readyEvent_.Get());

    DWORD waitMs = INFINITE;
    HRESULT result = S_OK;
    bool running = true;
    while (running) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_POSTMESSAGE) == WAIT_TIMEOUT) {
            result = ProcessSamplesInQueue(&waitMs);
            if (FAILED(result)) break;
        }
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            switch (message.message) {
            case kTerminateMessage:
                running = false;
                break;
            case kScheduleMessage:
                result = ProcessSamplesInQueue(&waitMs);
                if (FAILED(result)) running = false;
                break;
            case kFlushMessage:
                ClearQueue();
                waitMs = INFINITE;
                SetEvent(flushEvent_.Get());
                break;
            }
        }
    }
    return FAILED(result) ? 1 : 0;
}

void Scheduler::ClearQueue() {
    CriticalSectionLock hold(lock_);
    scheduled_.Clear();
}

void Scheduler::EndTimerPeriod() {
    if (timerPeriodSet_) timeEndPeriod(kTimerPeriodMs);
    timerPeriodSet_ = false;
}
