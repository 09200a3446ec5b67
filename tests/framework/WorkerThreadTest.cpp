#include "framework/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "framework/Handles.h"

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

}  // namespace
