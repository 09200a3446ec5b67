#include "framework/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "framework/Handles.h"
#include "support/HostWindow.h"

namespace {

TEST(WorkerThread, StartsSuspendedAndRunsOnceResumed) {
    std::atomic<int> runs{0};
    fw::WorkerThread thread([&] {
        ++runs;
        return 7u;
    });
    ASSERT_TRUE(thread.Created());
    EXPECT_EQ(thread.Wait(50), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(runs.load(), 0);
    EXPECT_TRUE(thread.Resume());
    EXPECT_FALSE(thread.Resume());
    EXPECT_EQ(thread.Wait(5000), WAIT_OBJECT_0);
    EXPECT_EQ(runs.load(), 1);
    EXPECT_EQ(thread.ExitCode(), 7u);
}

TEST(WorkerThread, ABodyThatWasNeverResumedDoesNotRun) {
    std::atomic<int> runs{0};
    {
        fw::WorkerThread thread([&] {
            ++runs;
            return 0u;
        });
    }
    EXPECT_EQ(runs.load(), 0);
}

TEST(WorkerThread, TheObjectWaitsForARunningBodyAndAStopFlagEndsIt) {
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    fw::UniqueHandle started(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    {
        fw::WorkerThread thread([&] {
            SetEvent(started.Get());
            while (!stop.load()) {
                Sleep(5);
            }
            finished = true;
            return 0u;
        });
        thread.Resume();
        ASSERT_EQ(WaitForSingleObject(started.Get(), 5000), WAIT_OBJECT_0);
        EXPECT_EQ(thread.Wait(30), static_cast<DWORD>(WAIT_TIMEOUT));
        stop = true;
    }
    EXPECT_TRUE(finished.load());
}

TEST(WorkerThread, AWaitServingSentMessagesLetsABodyBlockedInSendMessageFinish) {
    testing_support::HostWindow window;
    std::atomic<LRESULT> answer{0};
    const HWND target = window.Handle();
    fw::WorkerThread thread([&] {
        // WM_GETTEXTLENGTH of a window without text answers 0; what matters
        // is that the call returns at all.
        answer = SendMessageW(target, WM_GETTEXTLENGTH, 0, 0) + 1;
        return 0u;
    });
    thread.Resume();
    EXPECT_EQ(thread.WaitServingSentMessages(5000), WAIT_OBJECT_0);
    EXPECT_EQ(answer.load(), 1);
}

TEST(WorkerThread, AWaitServingSentMessagesServesASendThatWasAlreadySeen) {
    testing_support::HostWindow window;
    const HWND target = window.Handle();
    fw::WorkerThread thread([target] { return static_cast<unsigned>(SendMessageW(target, WM_GETTEXTLENGTH, 0, 0)); });
    thread.Resume();
    // Looking at the queue makes the waiting send an old one.
    while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) {
        Sleep(1);
    }
    EXPECT_EQ(thread.WaitServingSentMessages(2000), WAIT_OBJECT_0);
}

TEST(WorkerThread, AWaitServingSentMessagesLeavesPostedMessagesQueued) {
    testing_support::HostWindow window;
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    fw::WorkerThread thread([] {
        Sleep(50);
        return 0u;
    });
    thread.Resume();
    EXPECT_EQ(thread.WaitServingSentMessages(5000), WAIT_OBJECT_0);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, window.Handle(), WM_APP, WM_APP, PM_REMOVE));
}

TEST(WorkerThread, AWaitServingSentMessagesTimesOut) {
    std::atomic<bool> stop{false};
    fw::WorkerThread thread([&] {
        while (!stop.load()) {
            Sleep(5);
        }
        return 0u;
    });
    thread.Resume();
    EXPECT_EQ(thread.WaitServingSentMessages(40), static_cast<DWORD>(WAIT_TIMEOUT));
    stop = true;
}

}  // namespace
