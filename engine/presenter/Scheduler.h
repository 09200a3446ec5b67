#pragma once

#include <windows.h>
#include <mfidl.h>

#include <atomic>

#include "CriticalSection.h"
#include "SamplePool.h"
#include "framework/ComPtr.h"
#include "framework/Handles.h"

// What the scheduler calls to put a frame on the screen; the present engine
// implements it. A null sample presents nothing.
class SchedulerCallback {
public:
    virtual HRESULT PresentSample(IMFSample* sample, LONGLONG targetTime) = 0;

protected:
    virtual ~SchedulerCallback() = default;
};

// Holds the presenter's frames until the presentation clock reaches them,
// on a thread of its own that runs from the begin-streaming to the
// end-streaming message.
class Scheduler {
public:
    // Posted to the scheduler's thread.
    static constexpr UINT kTerminateMessage = WM_USER;
    static constexpr UINT kScheduleMessage = WM_USER + 1;
    static constexpr UINT kFlushMessage = WM_USER + 2;
    // How long a flush waits for the thread to empty the queue.
    static constexpr DWORD kFlushTimeoutMs = 5000;

    Scheduler() = default;
    // Stops a thread still running, so it never outlives the queue.
    virtual ~Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    void SetCallback(SchedulerCallback* callback) { callback_ = callback; }
    void SetClockRate(float rate) { rate_ = rate; }
    // The frame duration of the current media type (100 ns units).
    void SetFrameDuration(LONGLONG duration);
    LONGLONG FrameDuration() const { return frameDuration_; }
    bool HasClock() const { return clock_ ? true : false; }

    // Starts the thread with the presentation clock (null: present each
    // frame as it comes). E_UNEXPECTED while a thread runs.
    HRESULT StartScheduler(IMFClock* clock);
    // Ends the thread and empties the queue.
    HRESULT StopScheduler();
    // Empties the queue through the thread, waiting at most kFlushTimeoutMs.
    HRESULT Flush();
    // Queues a frame for its time; MF_E_NOT_INITIALIZED without a thread,
    // E_FAIL when the thread has ended.
    HRESULT QueueSample(IMFSample* sample);

    // Frames presented more than a quarter frame after their time.
    long LateFrames() const { return lateFrames_; }

    // The thread's work: presents what is due and says how long to sleep.
    HRESULT ProcessSamplesInQueue(DWORD* nextWaitMs);
    static DWORD WINAPI SchedulerThreadProc(LPVOID scheduler);

private:
    DWORD RunThread();
    HRESULT PresentOrKeep(IMFSample* sample, DWORD* waitMs, bool* keptBack);
    void ClearQueue();
    void EndTimerPeriod();

    CriticalSection lock_;
    VideoSampleList scheduled_;
    fw::ComPtr<IMFClock> clock_;
    SchedulerCallback* callback_ = nullptr;
    DWORD threadId_ = 0;
    fw::UniqueHandle thread_;
    fw::UniqueHandle readyEvent_;
    fw::UniqueHandle flushEvent_;
    bool timerPeriodSet_ = false;
    // Written by the presenter's threads, read by the scheduler's.
    std::atomic<float> rate_{1.0f};
    std::atomic<LONGLONG> frameDuration_{0};
    std::atomic<LONGLONG> quarterFrame_{0};
    std::atomic<long> lateFrames_{0};
};
