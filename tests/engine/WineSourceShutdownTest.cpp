#include <windows.h>
#include <mfapi.h>
#include <mfidl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "player/WineSourceShutdown.h"

namespace {

constexpr DWORD kConditionWaitMs = 5000;

// A source held the way Wine's is: by each of its streams, by the session's
// standing request for its events once started, and by each command while
// the command runs. It records whether it was shut down under a command.
class FakeSource final : public IMFMediaSource {
public:
    explicit FakeSource(DWORD streams) : streams_(streams) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IMFMediaEventGenerator) || iid == __uuidof(IMFMediaSource)) {
            *object = static_cast<IMFMediaSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The test owns the object: the count is only watched.
    STDMETHODIMP_(ULONG) AddRef() override {
        ++looks_;
        return static_cast<ULONG>(++references_);
    }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--references_); }

    STDMETHODIMP GetEvent(DWORD, IMFMediaEvent**) override { return E_NOTIMPL; }
    STDMETHODIMP BeginGetEvent(IMFAsyncCallback*, IUnknown*) override { return E_NOTIMPL; }
    STDMETHODIMP EndGetEvent(IMFAsyncResult*, IMFMediaEvent**) override { return E_NOTIMPL; }
    STDMETHODIMP QueueEvent(MediaEventType, REFGUID, HRESULT, const PROPVARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCharacteristics(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Start(IMFPresentationDescriptor*, const GUID*, const PROPVARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP Stop() override { return E_NOTIMPL; }
    STDMETHODIMP Pause() override { return E_NOTIMPL; }

    STDMETHODIMP CreatePresentationDescriptor(IMFPresentationDescriptor** descriptor) override {
        std::vector<IMFStreamDescriptor*> streams;
        for (DWORD id = 0; id < streams_; ++id) {
            fw::ComPtr<IMFMediaType> type;
            IMFStreamDescriptor* stream = nullptr;
            if (FAILED(MFCreateMediaType(type.Put()))) break;
            IMFMediaType* types[] = {type.Get()};
            if (FAILED(MFCreateStreamDescriptor(id, 1, types, &stream))) break;
            streams.push_back(stream);
        }
        const HRESULT hr = MFCreatePresentationDescriptor(static_cast<DWORD>(streams.size()), streams.data(), descriptor);
        for (IMFStreamDescriptor* stream : streams) stream->Release();
        return hr;
    }

    STDMETHODIMP Shutdown() override {
        ++shutdowns_;
        if (commandRunning_) shutDownUnderACommand_ = true;
        return S_OK;
    }

    // Holders other than the caller.
    void HoldByStreams() {
        for (DWORD i = 0; i < streams_; ++i) AddRef();
    }
    void HoldBySessionRequest() { AddRef(); }
    void BeginCommand() {
        commandRunning_ = true;
        AddRef();
    }
    void EndCommand() {
        commandRunning_ = false;
        Release();
    }

    int Looks() const { return looks_; }
    int Shutdowns() const { return shutdowns_; }
    bool ShutDownUnderACommand() const { return shutDownUnderACommand_; }

private:
    const DWORD streams_;
    std::atomic<long> references_{0};
    std::atomic<int> looks_{0};
    std::atomic<int> shutdowns_{0};
    std::atomic<bool> commandRunning_{false};
    std::atomic<bool> shutDownUnderACommand_{false};
};

struct CloseCase {
    const char* name;
    DWORD streams;
    bool sessionStarted;
};

// The source as the player holds it on closing: its only other holders are
// its streams and, once started, the session's request for its events.
struct ClosingSource {
    explicit ClosingSource(const CloseCase& c) : source(c.streams), held(&source) {
        source.HoldByStreams();
        if (c.sessionStarted) source.HoldBySessionRequest();
    }
    FakeSource source;
    fw::ComPtr<IMFMediaSource> held;
};

class WineSourceShutdownTest : public testing::TestWithParam<CloseCase> {};

// The stop the session gave on closing is still running on the source's
// thread when the player shuts the source down.
TEST_P(WineSourceShutdownTest, WaitsForTheCommandStillRunning) {
    ClosingSource closing(GetParam());
    FakeSource& source = closing.source;
    const ULONG idle = IdleReferencesOf(closing.held.Get(), GetParam().sessionStarted);
    source.BeginCommand();

    std::thread command([&source] {
        // The command ends only once the shutdown has looked at the source.
        const ULONGLONG deadline = GetTickCount64() + kConditionWaitMs;
        const int before = source.Looks();
        while (source.Looks() < before + 3 && GetTickCount64() < deadline) Sleep(1);
        source.EndCommand();
    });
    ShutDownWhenIdle(closing.held, idle);
    command.join();

    EXPECT_EQ(source.Shutdowns(), 1);
    EXPECT_FALSE(source.ShutDownUnderACommand());
}

// With nothing running the source is shut down at once, whatever holds it.
TEST_P(WineSourceShutdownTest, AnIdleSourceIsShutDownAtOnce) {
    ClosingSource closing(GetParam());

    const ULONGLONG start = GetTickCount64();
    ShutDownWhenIdle(closing.held, IdleReferencesOf(closing.held.Get(), GetParam().sessionStarted));

    EXPECT_EQ(closing.source.Shutdowns(), 1);
    EXPECT_LT(GetTickCount64() - start, 1000u) << "an idle source must not hold the close up";
}

INSTANTIATE_TEST_SUITE_P(Sources, WineSourceShutdownTest,
                         testing::Values(CloseCase{"VideoOnlyNeverPlayed", 1, false},
                                         CloseCase{"WithSoundNeverPlayed", 2, false},
                                         CloseCase{"WithSoundPlayed", 2, true}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

// A command that never returns (a source stuck inside the platform) delays
// the close a bounded time, and the source is still shut down.
TEST(WineSourceShutdown, ACommandThatNeverEndsDoesNotHoldTheCloseForGood) {
    ClosingSource closing(CloseCase{"WithSoundNeverPlayed", 2, false});
    closing.source.BeginCommand();

    ShutDownWhenIdle(closing.held, IdleReferencesOf(closing.held.Get(), false));

    EXPECT_EQ(closing.source.Shutdowns(), 1);
    closing.source.EndCommand();
}

}  // namespace
