#include <windows.h>
#include <mfapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>

#include "Scheduler.h"
#include "support/MessagePump.h"
#include "support/PresenterFakes.h"
#include "support/PresenterTestSession.h"

namespace {

using testing_support::PumpUntil;

constexpr LONGLONG kFrameDuration = 333333;  // 30 frames a second; a quarter is 83333
constexpr LONGLONG kFarAhead = 100000000;    // 10 s: kept back for the whole test

// Records what the scheduler presents, on the scheduler's thread.
class RecordingCallback : public SchedulerCallback {
public:
    HRESULT PresentSample(IMFSample*, LONGLONG) override {
        std::lock_guard<std::mutex> hold(lock_);
        ++presented_;
        threadId_ = GetCurrentThreadId();
        return S_OK;
    }
    int Presented() {
        std::lock_guard<std::mutex> hold(lock_);
        return presented_;
    }
    DWORD ThreadId() {
        std::lock_guard<std::mutex> hold(lock_);
        return threadId_;
    }

private:
    std::mutex lock_;
    int presented_ = 0;
    DWORD threadId_ = 0;
};

fw::ComPtr<IMFSample> SampleAt(LONGLONG time) {
    fw::ComPtr<IMFSample> sample;
    MFCreateSample(sample.Put());
    sample->SetSampleTime(time);
    return sample;
}

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

class SchedulerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mediaFoundation_.Ready());
        scheduler_->SetCallback(&callback_);
        scheduler_->SetFrameDuration(kFrameDuration);
        ASSERT_EQ(scheduler_->StartScheduler(clock_.Get()), S_OK);
    }

    MediaFoundationScope mediaFoundation_;
    RecordingCallback callback_;
    fw::ComPtr<presenter_fakes::FakeClock> clock_ = presenter_fakes::Make<presenter_fakes::FakeClock>();
    std::unique_ptr<Scheduler> scheduler_ = std::make_unique<Scheduler>();
};

TEST_F(SchedulerTest, ShowsTheLastFrameKeptBackWithoutAnotherMessage) {
    // Early by three quarters of a frame and half a millisecond: the wait
    // rounds to 0 ms, which must not mean "until the next message". The
    // clock has moved on by the next reading.
    clock_->stepPerReading = 10000;
    ASSERT_EQ(scheduler_->QueueSample(SampleAt(3 * (kFrameDuration / 4) + 5000).Get()), S_OK);
    EXPECT_TRUE(PumpUntil([&] { return callback_.Presented() == 1; }, 2000));
}

TEST_F(SchedulerTest, FlushAndStopEmptyTheQueueWithoutPresenting) {
    const auto early = SampleAt(kFarAhead);
    ASSERT_EQ(scheduler_->QueueSample(early.Get()), S_OK);
    ASSERT_EQ(scheduler_->Flush(), S_OK);
    EXPECT_EQ(References(early.Get()), 1u) << "the queue let go of it";
    EXPECT_EQ(callback_.Presented(), 0);

    ASSERT_EQ(scheduler_->QueueSample(SampleAt(0).Get()), S_OK);
    EXPECT_TRUE(PumpUntil([&] { return callback_.Presented() == 1; })) << "the thread still runs";

    ASSERT_EQ(scheduler_->QueueSample(early.Get()), S_OK);
    ASSERT_EQ(scheduler_->StopScheduler(), S_OK);
    EXPECT_EQ(References(early.Get()), 1u);
    EXPECT_EQ(scheduler_->QueueSample(early.Get()), MF_E_NOT_INITIALIZED);
}

TEST_F(SchedulerTest, DestroyingARunningSchedulerEndsItsThread) {
    ASSERT_EQ(scheduler_->QueueSample(SampleAt(0).Get()), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return callback_.Presented() == 1; }));
    const fw::UniqueHandle thread(OpenThread(SYNCHRONIZE, FALSE, callback_.ThreadId()));
    ASSERT_TRUE(thread.Valid());
    scheduler_.reset();
    EXPECT_EQ(WaitForSingleObject(thread.Get(), 0), WAIT_OBJECT_0);
}

}  // namespace
