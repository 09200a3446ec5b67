#pragma once

#include <windows.h>
#include <d3d9.h>
#include <evr.h>
#include <mfapi.h>
#include <mferror.h>
#include <mfidl.h>
#include <mftransform.h>
#include <strmif.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "ComObject.h"
#include "PresenterGuids.h"
#include "framework/ComPtr.h"
#include "support/MessagePump.h"

// Stand-ins for the renderer's parts that the real renderer under Wine never
// exercises: its clock, its event sink, its mixer and its service lookup.
namespace presenter_fakes {

template <class Fake>
fw::ComPtr<Fake> Make() {
    Fake* fake = nullptr;
    com::CreateObject(&fake);
    return fw::ComPtr<Fake>::Adopt(fake);
}

#define FAKE_UNKNOWN(Fake, ...)                                                                       \
    HRESULT Initialize() { return S_OK; }                                                             \
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {                                    \
        static const com::InterfaceEntry table[] = {__VA_ARGS__};                                     \
        return com::QueryFromTable(this, table, iid, out);                                            \
    }                                                                                                 \
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }                           \
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }                     \
    com::RefCount references_

// A presentation clock at a time the test sets, moving on by a step at each
// reading, or in real time once running.
class FakeClock final : public IMFClock {
public:
    FAKE_UNKNOWN(FakeClock, com::Entry<FakeClock, IMFClock>());
    std::atomic<LONGLONG> time{0};
    std::atomic<LONGLONG> stepPerReading{0};
    std::atomic<ULONGLONG> runningSince{0};
    void Run() { runningSince = GetTickCount64(); }

    STDMETHODIMP GetCorrelatedTime(DWORD, LONGLONG* clockTime, MFTIME* systemTime) override {
        const ULONGLONG since = runningSince;
        const LONGLONG elapsed = since ? static_cast<LONGLONG>(GetTickCount64() - since) * 10000 : 0;
        *clockTime = time.fetch_add(stepPerReading) + elapsed;
        *systemTime = 0;
        return S_OK;
    }
    STDMETHODIMP GetClockCharacteristics(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetContinuityKey(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetState(DWORD, MFCLOCK_STATE*) override { return E_NOTIMPL; }
    STDMETHODIMP GetProperties(MFCLOCK_PROPERTIES*) override { return E_NOTIMPL; }
};

// Records every event the presenter sends, from any thread, and may act on
// one as the renderer would, before recording it.
class FakeEventSink final : public IMediaEventSink {
public:
    FAKE_UNKNOWN(FakeEventSink, com::Entry<FakeEventSink, IMediaEventSink>());
    std::function<void(long code)> duringNotify;
    STDMETHODIMP Notify(long code, LONG_PTR first, LONG_PTR) override {
        if (duringNotify) duringNotify(code);
        std::lock_guard<std::mutex> hold(lock_);
        events_.push_back({code, first});
        return S_OK;
    }
    // The first parameters of the events of a code.
    std::vector<LONG_PTR> Events(long code) {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<LONG_PTR> found;
        for (const auto& [eventCode, first] : events_) {
            if (eventCode == code) found.push_back(first);
        }
        return found;
    }
    int Count(long code) { return static_cast<int>(Events(code).size()); }
    bool WaitFor(long code, int count) {
        return testing_support::PumpUntil([&] { return Count(code) >= count; });
    }

private:
    std::mutex lock_;
    std::vector<std::pair<long, LONG_PTR>> events_;
};

// A mixer with scripted output types and frames. Frames come out at the
// times the test queues; a repaint (a desired time set on the sample) always
// succeeds; with no frame left the answer is "need more input". It counts
// the calls made, or still running, after the presenter let go of it.
class FakeMixer final : public IMFTransform, public IMFVideoDeviceID {
public:
    IID deviceId = __uuidof(IDirect3DDevice9);
    HRESULT realSetOutputType = S_OK;  // the answer when not just testing
    std::vector<fw::ComPtr<IMFMediaType>> outputTypes;
    std::atomic<DWORD> processDelayMs{0};
    std::atomic<int> processOutputCalls{0};
    std::atomic<int> callsAfterRelease{0};
    // Runs inside a ProcessOutput call once its answer is settled, as the
    // renderer's thread may act while the presenter waits for the mixer.
    std::function<void()> whileAsked;

    HRESULT Initialize() { return MFCreateAttributes(attributes_.Put(), 1); }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        static const com::InterfaceEntry table[] = {com::Entry<FakeMixer, IMFTransform>(),
                                                    com::Entry<FakeMixer, IMFVideoDeviceID>()};
        return com::QueryFromTable(this, table, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        onlyTestHolds_ = false;
        return references_.AddRef();
    }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = references_.Release(this);
        if (left == 1) onlyTestHolds_ = true;
        return left;
    }
    void QueueFrames(std::initializer_list<LONGLONG> times) {
        std::lock_guard<std::mutex> hold(lock_);
        frames_.insert(frames_.end(), times.begin(), times.end());
    }
    // The generation of each sample filled so far.
    std::vector<UINT32> Tokens() {
        std::lock_guard<std::mutex> hold(lock_);
        return tokens_;
    }

    STDMETHODIMP GetDeviceID(IID* id) override {
        *id = deviceId;
        return S_OK;
    }
    STDMETHODIMP GetAttributes(IMFAttributes** attributes) override {
        Called();
        return attributes_->QueryInterface(__uuidof(IMFAttributes), reinterpret_cast<void**>(attributes));
    }
    // A fresh copy each time, as a mixer proposes a new type object.
    STDMETHODIMP GetOutputAvailableType(DWORD, DWORD index, IMFMediaType** type) override {
        Called();
        if (index >= outputTypes.size()) return MF_E_NO_MORE_TYPES;
        const HRESULT result = MFCreateMediaType(type);
        return SUCCEEDED(result) ? outputTypes[index]->CopyAllItems(*type) : result;
    }
    STDMETHODIMP SetOutputType(DWORD, IMFMediaType*, DWORD flags) override {
        Called();
        return (flags & MFT_SET_TYPE_TEST_ONLY) ? S_OK : realSetOutputType;
    }
    STDMETHODIMP ProcessOutput(DWORD, DWORD, MFT_OUTPUT_DATA_BUFFER* buffers, DWORD*) override;

    STDMETHODIMP GetStreamLimits(DWORD*, DWORD*, DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetStreamCount(DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetStreamIDs(DWORD, DWORD*, DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputStreamInfo(DWORD, MFT_INPUT_STREAM_INFO*) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStreamInfo(DWORD, MFT_OUTPUT_STREAM_INFO*) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputStreamAttributes(DWORD, IMFAttributes**) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStreamAttributes(DWORD, IMFAttributes**) override { return E_NOTIMPL; }
    STDMETHODIMP DeleteInputStream(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP AddInputStreams(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputAvailableType(DWORD, DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP SetInputType(DWORD, IMFMediaType*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputCurrentType(DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputCurrentType(DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStatus(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetOutputBounds(LONGLONG, LONGLONG) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessEvent(DWORD, IMFMediaEvent*) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessMessage(MFT_MESSAGE_TYPE, ULONG_PTR) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessInput(DWORD, IMFSample*, DWORD) override { return E_NOTIMPL; }

private:
    void Called() {
        if (onlyTestHolds_) ++callsAfterRelease;
    }

    com::RefCount references_;
    std::atomic<bool> onlyTestHolds_{false};
    fw::ComPtr<IMFAttributes> attributes_;
    std::mutex lock_;
    std::deque<LONGLONG> frames_;
    std::vector<UINT32> tokens_;
};

inline STDMETHODIMP FakeMixer::ProcessOutput(DWORD, DWORD, MFT_OUTPUT_DATA_BUFFER* buffers, DWORD*) {
    Called();
    ++processOutputCalls;
    Sleep(processDelayMs);
    IMFSample* sample = buffers[0].pSample;
    fw::ComPtr<IMFDesiredSample> desired;
    LONGLONG time = 0, duration = 0;
    const bool repaint = SUCCEEDED(sample->QueryInterface(__uuidof(IMFDesiredSample),
                                                          reinterpret_cast<void**>(desired.Put()))) &&
                         SUCCEEDED(desired->GetDesiredSampleTimeAndDuration(&time, &duration));
    UINT32 token = 0;
    sample->GetUINT32(SampleCounterAttribute, &token);
    bool needMoreInput = false;
    {
        std::lock_guard<std::mutex> hold(lock_);
        needMoreInput = !repaint && frames_.empty();
        if (!repaint && !needMoreInput) {
            time = frames_.front();
            frames_.pop_front();
        }
        if (!needMoreInput) tokens_.push_back(token);
    }
    if (whileAsked) whileAsked();
    if (needMoreInput) return MF_E_TRANSFORM_NEED_MORE_INPUT;
    sample->SetSampleTime(time);
    Called();  // let go while the call was still running counts too
    return S_OK;
}

// Answers the presenter's lookups with the fakes; without a clock, as the
// renderer's first call does.
class FakeLookup final : public IMFTopologyServiceLookup {
public:
    FAKE_UNKNOWN(FakeLookup, com::Entry<FakeLookup, IMFTopologyServiceLookup>());
    fw::ComPtr<IUnknown> clock, mixer, eventSink;
    STDMETHODIMP LookupService(MF_SERVICE_LOOKUP_TYPE, DWORD, REFGUID service, REFIID iid, LPVOID* out,
                               DWORD*) override {
        if (IsEqualGUID(service, MR_VIDEO_MIXER_SERVICE)) return mixer->QueryInterface(iid, out);
        if (clock && SUCCEEDED(clock->QueryInterface(iid, out))) return S_OK;
        return eventSink->QueryInterface(iid, out);
    }
};

#undef FAKE_UNKNOWN

// An uncompressed progressive video type of a subtype and size.
inline fw::ComPtr<IMFMediaType> VideoType(REFGUID subtype, UINT32 width, UINT32 height) {
    fw::ComPtr<IMFMediaType> type;
    MFCreateMediaType(type.Put());
    type->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Video);
    type->SetGUID(MF_MT_SUBTYPE, subtype);
    type->SetUINT32(MF_MT_ALL_SAMPLES_INDEPENDENT, TRUE);
    type->SetUINT32(MF_MT_INTERLACE_MODE, MFVideoInterlace_Progressive);
    MFSetAttributeSize(type.Get(), MF_MT_FRAME_SIZE, width, height);
    return type;
}

}  // namespace presenter_fakes
