#pragma once

#include <windows.h>
#include <d3d9.h>
#include <evr.h>
#include <mfidl.h>
#include <mftransform.h>
#include <strmif.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "ComObject.h"
#include "framework/ComPtr.h"

// Stand-ins for the renderer's parts that the real renderer under Wine never
// exercises: its clock, its event sink, its mixer and its service lookup.
namespace presenter_fakes {

template <class Fake>
fw::ComPtr<Fake> Make() {
    Fake* fake = nullptr;
    com::CreateObject(&fake);
    return fw::ComPtr<Fake>::Adopt(fake);
}

// A presentation clock whose time the test sets; it can also move on by a
// step at each reading, or run in real time.
class FakeClock final : public IMFClock {
public:
    std::atomic<LONGLONG> time{0};
    std::atomic<LONGLONG> stepPerReading{0};
    void Run() { runningSince_ = GetTickCount64(); }

    HRESULT Initialize() { return S_OK; }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }
    STDMETHODIMP GetClockCharacteristics(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCorrelatedTime(DWORD, LONGLONG* clockTime, MFTIME* systemTime) override;
    STDMETHODIMP GetContinuityKey(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetState(DWORD, MFCLOCK_STATE*) override { return E_NOTIMPL; }
    STDMETHODIMP GetProperties(MFCLOCK_PROPERTIES*) override { return E_NOTIMPL; }

private:
    com::RefCount references_;
    std::atomic<ULONGLONG> runningSince_{0};
};

// Records every event the presenter sends, from any thread.
class FakeEventSink final : public IMediaEventSink {
public:
    struct Event {
        long code;
        LONG_PTR first;
    };
    HRESULT Initialize() { return S_OK; }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }
    STDMETHODIMP Notify(long code, LONG_PTR first, LONG_PTR second) override;

    int Count(long code);
    std::vector<Event> Events(long code);
    // Waits until `count` events of the code have come, at most timeoutMs.
    bool WaitFor(long code, int count, DWORD timeoutMs = 5000);

private:
    com::RefCount references_;
    std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<Event> events_;
};

// A mixer with scripted output types and frames. Frames come out with the
// times the test queues; a repaint (a desired time set on the sample) always
// succeeds; with no frame left the answer is "need more input".
class FakeMixer final : public IMFTransform, public IMFVideoDeviceID {
public:
    IID deviceId = __uuidof(IDirect3DDevice9);
    HRESULT realSetOutputType = S_OK;  // the answer to a SetOutputType that is not a test
    std::vector<fw::ComPtr<IMFMediaType>> outputTypes;

    HRESULT Initialize();
    void QueueFrames(std::initializer_list<LONGLONG> times);
    void QueueFailure(HRESULT failure);
    void SetProcessDelay(DWORD ms) { processDelayMs_ = ms; }
    // The samples filled so far: their width and their generation.
    struct Fill {
        UINT width;
        UINT32 token;
    };
    std::vector<Fill> Fills();
    int ProcessOutputCalls() const { return processOutputCalls_; }
    // Calls made, or still running, while only the test held the mixer.
    int CallsAfterRelease() const { return callsAfterRelease_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetDeviceID(IID* id) override;

    STDMETHODIMP GetStreamLimits(DWORD*, DWORD*, DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetStreamCount(DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetStreamIDs(DWORD, DWORD*, DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputStreamInfo(DWORD, MFT_INPUT_STREAM_INFO*) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStreamInfo(DWORD, MFT_OUTPUT_STREAM_INFO*) override { return E_NOTIMPL; }
    STDMETHODIMP GetAttributes(IMFAttributes** attributes) override;
    STDMETHODIMP GetInputStreamAttributes(DWORD, IMFAttributes**) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStreamAttributes(DWORD, IMFAttributes**) override { return E_NOTIMPL; }
    STDMETHODIMP DeleteInputStream(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP AddInputStreams(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputAvailableType(DWORD, DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputAvailableType(DWORD stream, DWORD index, IMFMediaType** type) override;
    STDMETHODIMP SetInputType(DWORD, IMFMediaType*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetOutputType(DWORD stream, IMFMediaType* type, DWORD flags) override;
    STDMETHODIMP GetInputCurrentType(DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputCurrentType(DWORD, IMFMediaType**) override { return E_NOTIMPL; }
    STDMETHODIMP GetInputStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetOutputStatus(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetOutputBounds(LONGLONG, LONGLONG) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessEvent(DWORD, IMFMediaEvent*) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessMessage(MFT_MESSAGE_TYPE, ULONG_PTR) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessInput(DWORD, IMFSample*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessOutput(DWORD flags, DWORD count, MFT_OUTPUT_DATA_BUFFER* buffers, DWORD* status) override;

private:
    void Called();

    com::RefCount references_;
    std::atomic<bool> onlyTestHolds_{false};
    std::atomic<int> callsAfterRelease_{0};
    std::atomic<int> processOutputCalls_{0};
    std::atomic<DWORD> processDelayMs_{0};
    fw::ComPtr<IMFAttributes> attributes_;
    std::mutex lock_;
    std::deque<HRESULT> failures_;
    std::deque<LONGLONG> frames_;
    std::vector<Fill> fills_;
};

// Answers the presenter's service lookups with the fakes above; the clock
// may be missing, as it is at the renderer's first call.
class FakeLookup final : public IMFTopologyServiceLookup {
public:
    fw::ComPtr<IMFClock> clock;
    fw::ComPtr<IMFTransform> mixer;
    fw::ComPtr<IMediaEventSink> eventSink;

    HRESULT Initialize() { return S_OK; }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }
    STDMETHODIMP LookupService(MF_SERVICE_LOOKUP_TYPE type, DWORD index, REFGUID service, REFIID iid,
                               LPVOID* objects, DWORD* count) override;

private:
    com::RefCount references_;
};

// An uncompressed progressive video type of the given subtype and size.
fw::ComPtr<IMFMediaType> VideoType(REFGUID subtype, UINT32 width, UINT32 height);

}  // namespace presenter_fakes
