#include <windows.h>
#include <evcode.h>
#include <mfapi.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

#include "EVRCustomPresenter.h"
#include "LiveObjects.h"
#include "PresentEngineHooks.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/PresenterFakes.h"
#include "support/PresenterTestSession.h"

namespace {

using namespace presenter_fakes;
using testing_support::PumpUntil;

constexpr LONGLONG kFarAhead = 100000000;  // 10 s: kept back for the whole test
constexpr LONGLONG kCurrentPosition = 0x7FFFFFFFFFFFFFFF;
constexpr RECT kDestination{0, 0, 656, 373};

class PresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mediaFoundation_.Ready());
        mixer_->outputTypes = {VideoType(MFVideoFormat_RGB32, 640, 360)};
        presenter_ = NewPresenter();
        ASSERT_TRUE(presenter_);
    }
    void TearDown() override {
        if (presenter_) {
            presenter_->ProcessMessage(MFVP_MESSAGE_ENDSTREAMING, 0);
            presenter_->ReleaseServicePointers();
        }
    }
    // As the renderer makes it: the window and the position come first.
    fw::ComPtr<EVRCustomPresenter> NewPresenter() {
        EVRCustomPresenter* created = nullptr;
        if (FAILED(EVRCustomPresenter::CreateInstance(&created))) return {};
        auto presenter = fw::ComPtr<EVRCustomPresenter>::Adopt(created);
        RECT destination = kDestination;
        presenter->SetVideoWindow(window_.Handle());
        presenter->SetVideoPosition(nullptr, &destination);
        return presenter;
    }
    HRESULT Connect(EVRCustomPresenter* presenter, bool withClock = true) {
        const auto lookup = Make<FakeLookup>();
        if (withClock) lookup->clock = clock_.Get();
        lookup->mixer = mixer_.Get();
        lookup->eventSink = events_.Get();
        return presenter->InitServicePointers(lookup.Get());
    }
    HRESULT Send(MFVP_MESSAGE_TYPE message, ULONG_PTR parameter = 0) {
        return presenter_->ProcessMessage(message, parameter);
    }
    // Connected, typed and streaming, in the order the messages are defined.
    void StartStreaming() {
        ASSERT_EQ(Connect(presenter_.Get()), S_OK);
        ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
        ASSERT_EQ(Send(MFVP_MESSAGE_BEGINSTREAMING), S_OK);
        ASSERT_EQ(presenter_->OnClockStart(0, 0), S_OK);
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

    EXPECT_EQ(presenter_->GetSlowestRate(MFRATE_FORWARD, FALSE, &rate), S_OK);
    EXPECT_EQ(rate, 0.0f);
    EXPECT_EQ(presenter_->GetFastestRate(MFRATE_REVERSE, FALSE, &rate), S_OK);
    EXPECT_EQ(rate, -FLT_MAX) << "a display of unknown refresh rate sets no limit";
    float nearest = 0.0f;
    EXPECT_EQ(presenter_->IsRateSupported(FALSE, 4.0f, &nearest), S_OK);
    EXPECT_EQ(nearest, 4.0f);
}

TEST_F(PresenterTest, EndOfStreamIsCompleteOnceTheLastFrameComesBack) {
    StartStreaming();
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
    EXPECT_EQ(events_->Events(EC_STEP_COMPLETE)[0].first, FALSE);
    EXPECT_EQ(Presented(), 1) << "two dropped, the third shown";

    ASSERT_EQ(Send(MFVP_MESSAGE_CANCELSTEP), S_OK);
    EXPECT_EQ(events_->Count(EC_STEP_COMPLETE), 1) << "a completed step has nothing to cancel";
    ASSERT_EQ(presenter_->OnClockStop(0), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_STEP, 1), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_CANCELSTEP), S_OK);
    ASSERT_EQ(events_->Count(EC_STEP_COMPLETE), 2);
    EXPECT_EQ(events_->Events(EC_STEP_COMPLETE)[1].first, TRUE);
}

TEST_F(PresenterTest, SamplesOfAnOlderTypeAreLetGoWhenTheyComeBack) {
    StartStreaming();
    mixer_->QueueFrames({kFarAhead});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);

    mixer_->outputTypes = {VideoType(MFVideoFormat_RGB32, 320, 180)};
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    mixer_->QueueFrames({0, 0, 0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_ENDOFSTREAM), S_OK);
    ASSERT_TRUE(events_->WaitFor(EC_COMPLETE, 1)) << "every sample of the new type came back";

    const auto fills = mixer_->Fills();
    ASSERT_EQ(fills.size(), 5u);
    EXPECT_EQ(fills[0].width, 640u);
    for (size_t i = 1; i < fills.size(); ++i) {
        EXPECT_EQ(fills[i].width, 320u) << "fill " << i;
        EXPECT_EQ(fills[i].token, fills[0].token + 1) << "fill " << i;
    }
}

TEST_F(PresenterTest, ATeardownWhileSamplesComeBackNeverReachesTheReleasedMixer) {
    clock_->time = kFarAhead;
    mixer_->SetProcessDelay(1);
    for (int round = 0; round < 5; ++round) {
        auto presenter = NewPresenter();
        mixer_->QueueFrames({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        ASSERT_EQ(Connect(presenter.Get()), S_OK);
        ASSERT_EQ(presenter->ProcessMessage(MFVP_MESSAGE_INVALIDATEMEDIATYPE, 0), S_OK);
        ASSERT_EQ(presenter->ProcessMessage(MFVP_MESSAGE_BEGINSTREAMING, 0), S_OK);
        ASSERT_EQ(presenter->OnClockStart(0, 0), S_OK);
        ASSERT_EQ(presenter->ProcessMessage(MFVP_MESSAGE_PROCESSINPUTNOTIFY, 0), S_OK);
        ASSERT_TRUE(PumpUntil([&] { return presenter->Counts().presented >= 3; }));
        presenter->ReleaseServicePointers();
        presenter.Reset();
    }
    ASSERT_TRUE(PumpUntil([] { return LiveObjects<EVRCustomPresenter>::Count() == 1; })) << "only the fixture's";
    EXPECT_EQ(mixer_->CallsAfterRelease(), 0);
}

// Under Wine the renderer connects without a clock, agrees a type, connects
// again (with the clock, without a new type), prerolls before streaming
// starts, and repaints after streaming has ended.
TEST_F(PresenterTest, FollowsTheRendererOrderSeenUnderWine) {
    ASSERT_EQ(Connect(presenter_.Get(), false), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    ASSERT_EQ(presenter_->ReleaseServicePointers(), S_OK);
    ASSERT_EQ(Connect(presenter_.Get()), S_OK);
    mixer_->QueueFrames({0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    EXPECT_EQ(Presented(), 1) << "the preroll frame, shown at once";

    ASSERT_EQ(Send(MFVP_MESSAGE_BEGINSTREAMING), S_OK);
    ASSERT_EQ(presenter_->OnClockStart(0, kCurrentPosition), S_OK);
    mixer_->QueueFrames({333333, 666666});
    clock_->time = kFarAhead;
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return Presented() == 3; }));

    ASSERT_EQ(presenter_->OnClockStop(0), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_FLUSH), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_ENDSTREAMING), S_OK);
    RECT smaller{0, 0, 320, 180};
    ASSERT_EQ(presenter_->SetVideoPosition(nullptr, &smaller), S_OK);
    EXPECT_EQ(Presented(), 4) << "the repaint";
    EXPECT_EQ(events_->Count(EC_ERRORABORT), 0);
}

TEST_F(PresenterTest, AClosedGateHoldsTheClockStartButNotNewInput) {
    ASSERT_EQ(Connect(presenter_.Get()), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_BEGINSTREAMING), S_OK);
    mixer_->QueueFrames({0, 0, 0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(mixer_->ProcessOutputCalls(), 1) << "stopped: one frame";

    presenter_->SetOutputGate(false);
    ASSERT_EQ(presenter_->OnClockStart(0, 0), S_OK);
    EXPECT_EQ(mixer_->ProcessOutputCalls(), 1);
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    EXPECT_GT(mixer_->ProcessOutputCalls(), 1);
}

TEST_F(PresenterTest, PausedAfterAFlushItShowsOneFrame) {
    StartStreaming();
    ASSERT_EQ(presenter_->OnClockPause(0), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_FLUSH), S_OK);
    mixer_->QueueFrames({0, 0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return Presented() == 1; }));
    const int calls = mixer_->ProcessOutputCalls();
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    EXPECT_EQ(Presented(), 1);
    EXPECT_EQ(mixer_->ProcessOutputCalls(), calls);
}

TEST_F(PresenterTest, ARepaintWithBothSamplesOutReusesTheLastOne) {
    StartStreaming();
    mixer_->QueueFrames({kFarAhead, kFarAhead});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(mixer_->Fills().size(), 2u);
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
        const HRESULT typed = presenter_->GetCurrentMediaType(current.Put());
        EXPECT_EQ(typed, c.expected == S_OK ? S_OK : MF_E_NOT_INITIALIZED) << c.name;
        SIZE size{};
        presenter_->GetNativeVideoSize(&size, nullptr);
        if (SUCCEEDED(typed)) {
            EXPECT_EQ(size.cx, 320) << c.name;
        }
    }
}

TEST_F(PresenterTest, AnEqualTypeKeepsTheSamplesAndTheirGeneration) {
    StartStreaming();
    mixer_->QueueFrames({0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    mixer_->QueueFrames({0, 0});
    ASSERT_EQ(Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return mixer_->Fills().size() == 4; }));
    for (const auto& fill : mixer_->Fills()) EXPECT_EQ(fill.token, mixer_->Fills()[0].token);
}

TEST_F(PresenterTest, TheOutputTypeCarriesTheVideoGeometry) {
    mixer_->outputTypes = {VideoType(MFVideoFormat_RGB32, 1280, 720)};
    ASSERT_EQ(presenter_->SetAspectRatioMode(MFVideoARMode_None), S_OK) << "no size yet: the aspect stays";
    ASSERT_EQ(Connect(presenter_.Get()), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);
    ASSERT_EQ(presenter_->SetAspectRatioMode(MFVideoARMode_None), S_OK);
    ASSERT_EQ(Send(MFVP_MESSAGE_INVALIDATEMEDIATYPE), S_OK);

    fw::ComPtr<IMFVideoMediaType> type;
    ASSERT_EQ(presenter_->GetCurrentMediaType(type.Put()), S_OK);
    UINT32 x = 0, y = 0;
    MFGetAttributeRatio(type.Get(), MF_MT_PIXEL_ASPECT_RATIO, &x, &y);
    EXPECT_EQ(x, 373u);
    EXPECT_EQ(y, 369u);
    const std::pair<const GUID*, UINT32> colour[] = {{&MF_MT_YUV_MATRIX, 1},       {&MF_MT_TRANSFER_FUNCTION, 5},
                                                     {&MF_MT_VIDEO_PRIMARIES, 2},  {&MF_MT_VIDEO_NOMINAL_RANGE, 2},
                                                     {&MF_MT_VIDEO_LIGHTING, 3}};
    for (const auto& [key, value] : colour) EXPECT_EQ(MFGetAttributeUINT32(type.Get(), *key, 0), value);
    MFVideoArea area{};
    ASSERT_EQ(type->GetBlob(MF_MT_MINIMUM_DISPLAY_APERTURE, reinterpret_cast<UINT8*>(&area), sizeof area, nullptr), S_OK);
    EXPECT_EQ(area.Area.cx, 1280);
    EXPECT_EQ(area.Area.cy, 720);
    SIZE size{}, aspect{};
    ASSERT_EQ(presenter_->GetNativeVideoSize(&size, &aspect), S_OK);
    EXPECT_EQ(aspect.cx, 16);
    EXPECT_EQ(aspect.cy, 9);
}

TEST_F(PresenterTest, TheDisplayControlRefusesBadInput) {
    SIZE size{-1, -1}, aspect{-1, -1};
    EXPECT_EQ(presenter_->GetNativeVideoSize(&size, &aspect), S_OK) << "no video yet, and no division by 0";
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(aspect.cx, 0);
    MFVideoNormalizedRect tooWide{0.0f, 0.0f, 1.5f, 1.0f};
    EXPECT_EQ(presenter_->SetVideoPosition(&tooWide, nullptr), E_INVALIDARG);
    EXPECT_EQ(presenter_->SetVideoPosition(nullptr, nullptr), E_POINTER);
    MFVideoNormalizedRect source{};
    RECT destination{};
    ASSERT_EQ(presenter_->GetVideoPosition(&source, &destination), S_OK);
    EXPECT_EQ(source.right, 1.0f) << "unchanged";
    EXPECT_EQ(destination.right, kDestination.right);

    BITMAPINFOHEADER header{};
    BYTE* pixels = nullptr;
    DWORD bytes = 0;
    EXPECT_TRUE(FAILED(presenter_->GetCurrentImage(&header, &pixels, &bytes, nullptr))) << "nothing presented";
    EXPECT_EQ(pixels, nullptr);

    for (const GUID& service : {MR_VIDEO_RENDER_SERVICE, MR_VIDEO_ACCELERATION_SERVICE}) {
        fw::ComPtr<IUnknown> manager;
        EXPECT_EQ(presenter_->GetService(service, __uuidof(IDirect3DDeviceManager9),
                                         reinterpret_cast<void**>(manager.Put())),
                  S_OK);
    }
    fw::ComPtr<IUnknown> other;
    EXPECT_EQ(presenter_->GetService(MR_VIDEO_MIXER_SERVICE, __uuidof(IMFVideoDisplayControl),
                                     reinterpret_cast<void**>(other.Put())),
              MF_E_UNSUPPORTED_SERVICE);
}

TEST_F(PresenterTest, DeviceTroubleIsReportedToTheRenderer) {
    struct Case {
        const char* name;
        HRESULT state;
        long expectedEvent;
    };
    for (const Case& c : {Case{"lost, then made anew", D3DERR_DEVICELOST, EC_DISPLAY_CHANGED},
                          Case{"removed", D3DERR_DEVICEREMOVED, EC_ERRORABORT}}) {
        SCOPED_TRACE(c.name);
        TearDown();
        presenter_ = NewPresenter();
        events_ = Make<FakeEventSink>();
        const auto calls = std::make_shared<int>(0);
        const HRESULT state = c.state;
        ScopedHookReplacement device(PresentEngineTestHooks().deviceState,
                                     std::function<HRESULT()>([calls, state] { return (*calls)++ == 0 ? state : S_OK; }));
        StartStreaming();
        mixer_->QueueFrames({0});
        Send(MFVP_MESSAGE_PROCESSINPUTNOTIFY);
        ASSERT_EQ(events_->Count(c.expectedEvent), 1);
        if (c.expectedEvent == EC_ERRORABORT) {
            EXPECT_EQ(events_->Events(EC_ERRORABORT)[0].first, state);
        } else {
            EXPECT_EQ(events_->Count(EC_ERRORABORT), 0);
        }
    }
}

}  // namespace
