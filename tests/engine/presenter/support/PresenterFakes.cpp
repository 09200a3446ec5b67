#include "PresenterFakes.h"

#include <d3d9.h>
#include <mfapi.h>
#include <mferror.h>

#include <chrono>

#include "PresenterGuids.h"

namespace presenter_fakes {

namespace {

constexpr LONGLONG kFrameDuration = 333333;

UINT SurfaceWidth(IMFSample* sample) {
    fw::ComPtr<IMFMediaBuffer> buffer;
    fw::ComPtr<IDirect3DSurface9> surface;
    D3DSURFACE_DESC description{};
    if (FAILED(sample->GetBufferByIndex(0, buffer.Put())) ||
        FAILED(MFGetService(buffer.Get(), MR_BUFFER_SERVICE, __uuidof(IDirect3DSurface9),
                            reinterpret_cast<void**>(surface.Put()))) ||
        FAILED(surface->GetDesc(&description))) {
        return 0;
    }
    return description.Width;
}

bool IsRepaint(IMFSample* sample) {
    fw::ComPtr<IMFDesiredSample> desired;
    LONGLONG time = 0;
    LONGLONG duration = 0;
    return SUCCEEDED(sample->QueryInterface(__uuidof(IMFDesiredSample), reinterpret_cast<void**>(desired.Put()))) &&
           SUCCEEDED(desired->GetDesiredSampleTimeAndDuration(&time, &duration));
}

}  // namespace

STDMETHODIMP FakeClock::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {com::Entry<FakeClock, IMFClock>()};
    return com::QueryFromTable(this, table, iid, out);
}

STDMETHODIMP FakeClock::GetCorrelatedTime(DWORD, LONGLONG* clockTime, MFTIME* systemTime) {
    const ULONGLONG since = runningSince_;
    const LONGLONG elapsed = since == 0 ? 0 : static_cast<LONGLONG>(GetTickCount64() - since) * 10000;
    *clockTime = time.fetch_add(stepPerReading) + elapsed;
    *systemTime = 0;
    return S_OK;
}

STDMETHODIMP FakeEventSink::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {com::Entry<FakeEventSink, IMediaEventSink>()};
    return com::QueryFromTable(this, table, iid, out);
}

STDMETHODIMP FakeEventSink::Notify(long code, LONG_PTR first, LONG_PTR) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        events_.push_back({code, first});
    }
    arrived_.notify_all();
    return S_OK;
}

int FakeEventSink::Count(long code) { return static_cast<int>(Events(code).size()); }

std::vector<FakeEventSink::Event> FakeEventSink::Events(long code) {
    std::lock_guard<std::mutex> hold(lock_);
    std::vector<Event> found;
    for (const Event& event : events_) {
        if (event.code == code) found.push_back(event);
    }
    return found;
}

bool FakeEventSink::WaitFor(long code, int count, DWORD timeoutMs) {
    std::unique_lock<std::mutex> hold(lock_);
    return arrived_.wait_for(hold, std::chrono::milliseconds(timeoutMs), [&] {
        int seen = 0;
        for (const Event& event : events_) seen += event.code == code ? 1 : 0;
        return seen >= count;
    });
}

HRESULT FakeMixer::Initialize() { return MFCreateAttributes(attributes_.Put(), 1); }

void FakeMixer::QueueFrames(std::initializer_list<LONGLONG> times) {
    std::lock_guard<std::mutex> hold(lock_);
    frames_.insert(frames_.end(), times.begin(), times.end());
}

void FakeMixer::QueueFailure(HRESULT failure) {
    std::lock_guard<std::mutex> hold(lock_);
    failures_.push_back(failure);
}

std::vector<FakeMixer::Fill> FakeMixer::Fills() {
    std::lock_guard<std::mutex> hold(lock_);
    return fills_;
}

STDMETHODIMP FakeMixer::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {
        com::Entry<FakeMixer, IMFTransform>(),
        com::Entry<FakeMixer, IMFVideoDeviceID>(),
    };
    return com::QueryFromTable(this, table, iid, out);
}

STDMETHODIMP_(ULONG) FakeMixer::AddRef() {
    onlyTestHolds_ = false;
    return references_.AddRef();
}

STDMETHODIMP_(ULONG) FakeMixer::Release() {
    const ULONG left = references_.Release(this);
    if (left == 1) onlyTestHolds_ = true;
    return left;
}

void FakeMixer::Called() {
    if (onlyTestHolds_) ++callsAfterRelease_;
}

STDMETHODIMP FakeMixer::GetDeviceID(IID* id) {
    *id = deviceId;
    return S_OK;
}

STDMETHODIMP FakeMixer::GetAttributes(IMFAttributes** attributes) {
    Called();
    attributes_->AddRef();
    *attributes = attributes_.Get();
    return S_OK;
}

// Each call hands out a fresh copy, as a mixer proposes a new type object.
STDMETHODIMP FakeMixer::GetOutputAvailableType(DWORD, DWORD index, IMFMediaType** type) {
    Called();
    if (index >= outputTypes.size()) return MF_E_NO_MORE_TYPES;
    HRESULT result = MFCreateMediaType(type);
    if (SUCCEEDED(result)) result = outputTypes[index]->CopyAllItems(*type);
    return result;
}

STDMETHODIMP FakeMixer::SetOutputType(DWORD, IMFMediaType*, DWORD flags) {
    Called();
    return (flags & MFT_SET_TYPE_TEST_ONLY) ? S_OK : realSetOutputType;
}

STDMETHODIMP FakeMixer::ProcessOutput(DWORD, DWORD, MFT_OUTPUT_DATA_BUFFER* buffers, DWORD*) {
    Called();
    ++processOutputCalls_;
    if (processDelayMs_ != 0) Sleep(processDelayMs_);
    IMFSample* sample = buffers[0].pSample;
    LONGLONG time = 0;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (!failures_.empty()) {
            const HRESULT failure = failures_.front();
            failures_.pop_front();
            return failure;
        }
        const bool repaint = IsRepaint(sample);
        if (!repaint && frames_.empty()) return MF_E_TRANSFORM_NEED_MORE_INPUT;
        if (!repaint) {
            time = frames_.front();
            frames_.pop_front();
        }
        UINT32 token = 0;
        sample->GetUINT32(SampleCounterAttribute, &token);
        fills_.push_back({SurfaceWidth(sample), token});
    }
    sample->SetSampleTime(time);
    sample->SetSampleDuration(kFrameDuration);
    Called();  // let go while the call was still running counts too
    return S_OK;
}

STDMETHODIMP FakeLookup::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {com::Entry<FakeLookup, IMFTopologyServiceLookup>()};
    return com::QueryFromTable(this, table, iid, out);
}

STDMETHODIMP FakeLookup::LookupService(MF_SERVICE_LOOKUP_TYPE, DWORD, REFGUID service, REFIID iid, LPVOID* objects,
                                       DWORD*) {
    IUnknown* candidates[] = {clock.Get(), eventSink.Get()};
    if (IsEqualGUID(service, MR_VIDEO_MIXER_SERVICE)) {
        return mixer ? mixer->QueryInterface(iid, objects) : E_NOINTERFACE;
    }
    if (!IsEqualGUID(service, MR_VIDEO_RENDER_SERVICE)) return MF_E_UNSUPPORTED_SERVICE;
    for (IUnknown* candidate : candidates) {
        if (candidate != nullptr && SUCCEEDED(candidate->QueryInterface(iid, objects))) return S_OK;
    }
    return E_NOINTERFACE;
}

fw::ComPtr<IMFMediaType> VideoType(REFGUID subtype, UINT32 width, UINT32 height) {
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
