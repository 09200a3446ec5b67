#include <windows.h>
#include <evcode.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

#include "EVRCustomPresenter.h"
#include "LiveObjects.h"
#include "PresentEngineHooks.h"
#include "support/HostWindow.h"
#include "support/PresenterFakes.h"
#include "support/PresenterTestSession.h"

namespace {

using namespace presenter_fakes;
using testing_support::PumpUntil;

constexpr LONGLONG kFarAhead = 100000000;  // 10 s: kept back for the whole test
constexpr RECT kDestination{0, 0, 656, 373};

class PresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mediaFoundation_.Ready());
        mixer_->outputTypes = {VideoType(MFVideoFormat_RGB32, 640, 360)};
        presenter_ = NewPresenter();
    }
    void TearDown() override { presenter_->ReleaseServicePointers(); }
    // As the renderer makes it: the window and the position come first.
    fw::ComPtr<EVRCustomPresenter> NewPresenter() {
        EVRCustomPresenter* created = nullptr;
        EVRCustomPresenter::CreateInstance(&created);
        RECT destination = kDestination;
        created->SetVideoWindow(window_.Handle());
        created->SetVideoPosition(nullptr, &destination);
        return fw::ComPtr<EVRCustomPresenter>::Adopt(created);
    }
    HRESULT Connect(EVRCustomPresenter* presenter, bool withClock = true) {
        const auto lookup = Make<FakeLookup>();
        if (withClock) lookup->clock = clock_.Get();
        lookup->mixer = static_cast<IMFTransform*>(mixer_.Get());
        lookup->eventSink = events_.Get();
        return presenter->InitServicePointers(lookup.Get());
    }
    HRESULT Send(MFVP_MESSAGE_TYPE message, ULONG_PTR parameter = 0, EVRCustomPresenter* to = nullptr) {
        return (to ? to : presenter_.Get())->ProcessMessage(message, parameter);
    }
    // Connected, typed and streaming.
    void StartStreaming(EVRCustomPresenter* presenter) {
        ASSERT_EQ(Connect(presenter), S_OK);
        ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE, 0, presenter), S_OK);
        ASSERT_EQ(Send(MFVP_MESSAGE_BEGINSTREAMING, 0, presenter), S_OK);
        ASSERT_EQ(presenter->OnClockStart(0, 0), S_OK);
    }
    long Presented() const { return presenter_->Counts().presented; }

    MediaFoundationScope mediaFoundation_;
    testing_support::HostWindow window_{kDestination};
    fw::ComPtr<FakeClock> clock_ = Make<FakeClock>();
    fw::ComPtr<FakeEventSink> events_ = Make<FakeEventSink>();
    fw::ComPtr<FakeMixer> mixer_ = Make<FakeMixer>();
    fw::ComPtr<EVRCustomPresenter> presenter_;
};

TEST_F(PresenterTest, AnswersShutDownUntilItsServicesAreSet) {
    float rate = 1.0f;
    EXPECT_EQ(presenter_->OnClockStart(0, 0), MF_E_SHUTDOWN);
    EXPECT_EQ(Send(MFVP_MESSAGE_FLUSH), MF_E_SHUTDOWN);
    EXPECT_EQ(presenter_->GetFastestRate(MFRATE_FORWARD, FALSE, &rate), MF_E_SHUTDOWN);
    mixer_->deviceId = GUID_NULL;
    EXPECT_EQ(Connect(presenter_.Get()), MF_E_INVALIDREQUEST);
    EXPECT_EQ(presenter_->GetSlowestRate(MFRATE_FORWARD, FALSE, &rate), MF_E_SHUTDOWN) << "still shut down";

    mixer_->deviceId = __uuidof(IDirect3DDevice9);
    ASSERT_EQ(Connect(presenter_.Get(), false), S_OK) << "no clock yet is no failure";
    ASSERT_EQ(presenter_->OnClockStart(0, 0), S_OK);
    EXPECT_EQ(Connect(presenter_.Get()), MF_E_INVALIDREQUEST) << "not while started";
    EXPECT_EQ(presenter_->GetFastestRate(MFRATE_REVERSE, FALSE, &rate), S_OK);
    EXPECT_EQ(rate, -FLT_MAX) << "a display of unknown refresh rate sets no limit";
    float nearest = 0.0f;
    EXPECT_EQ(presenter_->IsRateSupported(FALSE, 4.0f, &nearest), S_OK);
    EXPECT_EQ(nearest, 4.0f);
}

TEST_F(PresenterTest, EndOfStreamIsCompleteOnceTheLastFrameComesBack) {
    StartStreaming(presenter_.Get());
    clock_->Run();
    mixer_->QueueFrames({3000000});  // 300 ms ahead
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_ENDOFSTREAM), S_OK);
    EXPECT_EQ(events_->Count(EC_COMPLETE), 0) << "the frame is still out";
    EXPECT_TRUE(events_->WaitFor(EC_COMPLETE, 1));
    EXPECT_EQ(Presented(), 1);
    presenter_->ReleaseServicePointers();
    EXPECT_EQ(events_->Count(EC_COMPLETE), 1);
}

TEST_F(PresenterTest, AFrameStepDropsFramesUntilItsFrameAndCompletesWhenThatComesBack) {
    clock_->time = kFarAhead;  // every frame is due
    mixer_->QueueFrames({0, 333333, 666666, 1000000, 1333333, 1666666});
    ASSERT_EQ(Connect(presenter_.Get()), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_BEGINSTREAMING), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_STEP, 3), S_OK);
    ASSERT_EQ(presenter_->OnClockStart(0, 0), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_TRUE(events_->WaitFor(EC_STEP_COMPLETE, 1));
    EXPECT_EQ(events_->Events(EC_STEP_COMPLETE)[0], FALSE);
    EXPECT_EQ(Presented(), 1) << "two dropped, the third shown";

    ASSERT_EQ(Send(MFVP_MESSAGE_CANCELSTEP), S_OK);
    EXPECT_EQ(events_->Count(EC_STEP_COMPLETE), 1) << "a completed step has nothing to cancel";
    ASSERT_EQ(presenter_->OnClockStop(0), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_STEP, 1), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_CANCELSTEP), S_OK);
    EXPECT_EQ(events_->Events(EC_STEP_COMPLETE), (std::vector<LONG_PTR>{FALSE, TRUE}));
}

TEST_F(PresenterTest, SamplesOfAnOlderTypeAreLetGoWhenTheyComeBack) {
    StartStreaming(presenter_.Get());
    mixer_->QueueFrames({kFarAhead});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    mixer_->outputTypes = {VideoType(MFVideoFormat_RGB32, 320, 180)};
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    mixer_->QueueFrames({0, 0, 0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_ENDOFSTREAM), S_OK);
    ASSERT_TRUE(events_->WaitFor(EC_COMPLETE, 1)) << "every sample of the new type came back";

    const auto tokens = mixer_->Tokens();
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(std::vector<UINT32>(tokens.begin() + 1, tokens.end()), std::vector<UINT32>(4, tokens[0] + 1))
        << "only samples of the new type were filled";
}

TEST_F(PresenterTest, ATeardownWhileSamplesComeBackNeverReachesTheReleasedMixer) {
    clock_->time = kFarAhead;
    mixer_->processDelayMs = 1;
    for (int round = 0; round < 5; ++round) {
        auto presenter = NewPresenter();
        mixer_->QueueFrames({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        StartStreaming(presenter.Get());
        ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY, 0, presenter.Get()), S_OK);
        ASSERT_TRUE(PumpUntil([&] { return presenter->Counts().presented >= 3; }));
        presenter->ReleaseServicePointers();
    }
    ASSERT_TRUE(PumpUntil([] { return LiveObjects<EVRCustomPresenter>::Count() == 1; })) << "only the fixture's";
    EXPECT_EQ(mixer_->callsAfterRelease, 0);
}

// The renderer may flush the presenter, or stop its clock, while the
// presenter tells it the processing latency with its lock let go.
TEST_F(PresenterTest, AFlushWhileTheLatencyIsReportedDropsTheFrameBeingMade) {
    struct Case {
        const char* flushedBy;
        bool clockRuns;
    };
    for (const Case& c : {Case{"a flush message", false}, Case{"a clock stop", true}}) {
        events_ = Make<FakeEventSink>();
        const auto presenter = NewPresenter();
        ASSERT_EQ(Connect(presenter.Get()), S_OK);
        ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE, 0, presenter.Get()), S_OK);
        if (c.clockRuns) {
            ASSERT_EQ(presenter->OnClockStart(0, 0), S_OK);
        }
        bool flushed = false;
        events_->duringNotify = [&](long code) {
            if (code != EC_PROCESSING_LATENCY || flushed) return;
            flushed = true;
            c.clockRuns ? presenter->OnClockStop(0) : presenter->ProcessMessage(MFVP_MESSAGE_FLUSH, 0);
        };
        mixer_->QueueFrames({0});
        ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY, 0, presenter.Get()), S_OK);
        ASSERT_TRUE(flushed);
        EXPECT_EQ(presenter->Counts().presented, 0) << c.flushedBy << ": the frame from before it is not shown";

        // Stopped and flushed, the presenter shows one frame: the next one.
        mixer_->QueueFrames({333333});
        ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY, 0, presenter.Get()), S_OK);
        EXPECT_EQ(presenter->Counts().presented, 1) << c.flushedBy << ": no frame counts as shown since it";
        presenter->ReleaseServicePointers();
        events_->duringNotify = nullptr;
    }
}

// The renderer hands the mixer a frame, and says so, while the presenter is
// asking the mixer for one that was not there yet; the notice's own loop
// finds no free sample, both being out.
TEST_F(PresenterTest, InputAnnouncedWhileTheMixerIsAskedIsStillTaken) {
    StartStreaming(presenter_.Get());
    mixer_->QueueFrames({kFarAhead});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(mixer_->Tokens().size(), 1u) << "one frame held back, one sample left";

    bool announced = false;
    mixer_->whileAsked = [&] {
        if (announced) return;
        announced = true;
        mixer_->QueueFrames({0});
        Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY);
    };
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_TRUE(announced);
    EXPECT_EQ(mixer_->Tokens().size(), 2u) << "the frame announced meanwhile is mixed";
    mixer_->whileAsked = nullptr;
}

TEST_F(PresenterTest, ARepaintWithBothSamplesOutReusesTheLastOne) {
    StartStreaming(presenter_.Get());
    mixer_->QueueFrames({kFarAhead, kFarAhead});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(presenter_->RepaintVideo(), S_OK);
    EXPECT_EQ(Presented(), 1);
    EXPECT_EQ(events_->Count(EC_ERRORABORT), 0);
}

TEST_F(PresenterTest, NegotiationSkipsTypesItCannotShow) {
    const auto interlaced = VideoType(MFVideoFormat_RGB32, 640, 360);
    interlaced->SetUINT32(MF_MT_INTERLACE_MODE, MFVideoInterlace_MixedInterlaceOrProgressive);
    const auto compressed = VideoType(MFVideoFormat_RGB32, 640, 360);
    compressed->SetUINT32(MF_MT_ALL_SAMPLES_INDEPENDENT, FALSE);
    const auto undrawable = VideoType(MFVideoFormat_NV12, 640, 360);
    const auto good = VideoType(MFVideoFormat_RGB32, 320, 180);
    struct Case {
        const char* name;
        std::vector<fw::ComPtr<IMFMediaType>> types;
        HRESULT realSet;
        HRESULT expected;
    };
    const Case cases[] = {
        {"nothing usable", {interlaced, compressed, undrawable}, S_OK, MF_E_NO_MORE_TYPES},
        {"refused for real", {good}, E_FAIL, MF_E_NO_MORE_TYPES},
        {"usable after unusable", {interlaced, compressed, undrawable, good}, S_OK, S_OK},
    };
    ASSERT_EQ(Connect(presenter_.Get()), S_OK);
    for (const Case& c : cases) {
        mixer_->outputTypes = c.types;
        mixer_->realSetOutputType = c.realSet;
        EXPECT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), c.expected) << c.name;
        fw::ComPtr<IMFVideoMediaType> current;
        EXPECT_EQ(presenter_->GetCurrentMediaType(current.Put()), c.expected == S_OK ? S_OK : MF_E_NOT_INITIALIZED)
            << c.name;
    }
}

TEST_F(PresenterTest, DeviceTroubleIsReportedToTheRenderer) {
    struct Case {
        HRESULT state;
        long event;  // EC_DISPLAY_CHANGED once the lost device is made anew
    };
    for (const Case& c : {Case{D3DERR_DEVICELOST, EC_DISPLAY_CHANGED}, Case{D3DERR_DEVICEREMOVED, EC_ERRORABORT}}) {
        events_ = Make<FakeEventSink>();
        const auto calls = std::make_shared<int>(0);
        const HRESULT state = c.state;
        ScopedHookReplacement device(PresentEngineTestHooks().deviceState,
                                     std::function<HRESULT()>([calls, state] { return (*calls)++ ? S_OK : state; }));
        const auto presenter = NewPresenter();
        StartStreaming(presenter.Get());
        mixer_->QueueFrames({0});
        Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY, 0, presenter.Get());
        EXPECT_EQ(events_->Count(c.event), 1) << std::hex << state;
        EXPECT_EQ(events_->Events(EC_ERRORABORT), c.event == EC_ERRORABORT ? std::vector<LONG_PTR>{state}
                                                                           : std::vector<LONG_PTR>{});
        presenter->ReleaseServicePointers();
    }
}

}  // namespace
