#include "EVRCustomPresenter.h"

#include <evcode.h>
#include <mferror.h>

namespace {

constexpr DWORD kOneService = 1;
// The start offset that means "go on from where the clock stands".
constexpr LONGLONG kCurrentPosition = 0x7FFFFFFFFFFFFFFF;

template <class Interface>
HRESULT LookUp(IMFTopologyServiceLookup* lookup, REFGUID service, fw::ComPtr<Interface>* out) {
    DWORD count = kOneService;
    HRESULT result = lookup->LookupService(MF_SERVICE_LOOKUP_GLOBAL, 0, service, __uuidof(Interface),
                                           reinterpret_cast<void**>(out->Put()), &count);
    // A lookup may answer S_OK and hand out nothing.
    if (SUCCEEDED(result) && !*out) result = E_NOINTERFACE;
    return result;
}

}  // namespace

HRESULT EVRCustomPresenter::CreateInstance(EVRCustomPresenter** presenter) {
    return com::CreateObject(presenter);
}

EVRCustomPresenter::EVRCustomPresenter() : sampleFreeCallback_(this, &EVRCustomPresenter::OnSampleFree) {}

EVRCustomPresenter::~EVRCustomPresenter() {
    // The scheduler's thread presents through the engine: it ends first.
    scheduler_.StopScheduler();
    lastOutputSample_.Reset();
    mediaType_.Reset();
    mediaEventSink_.Reset();
    mixer_.Reset();
    clock_.Reset();
    presentEngine_.reset();
}

HRESULT EVRCustomPresenter::Initialize() {
    presentEngine_.reset(new (std::nothrow) D3DPresentEngine());
    if (!presentEngine_) return E_OUTOFMEMORY;
    const HRESULT result = presentEngine_->Initialize();
    if (FAILED(result)) {
        presentEngine_.reset();
        return result;
    }
    scheduler_.SetCallback(presentEngine_.get());
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {
        com::Entry<EVRCustomPresenter, IMFGetService>(),
        com::Entry<EVRCustomPresenter, IMFTopologyServiceLookupClient>(),
        com::Entry<EVRCustomPresenter, IMFVideoDeviceID>(),
        com::Entry<EVRCustomPresenter, IMFVideoPresenter>(),
        com::Entry<EVRCustomPresenter, IMFRateSupport>(),
        com::Entry<EVRCustomPresenter, IMFVideoDisplayControl>(),
    };
    return com::QueryFromTable(this, table, iid, out);
}

PresentationCounts EVRCustomPresenter::Counts() const {
    return {presentEngine_->FramesPresented(), scheduler_.LateFrames()};
}

STDMETHODIMP EVRCustomPresenter::GetDeviceID(IID* deviceId) {
    if (deviceId == nullptr) return E_POINTER;
    *deviceId = __uuidof(IDirect3DDevice9);
    return S_OK;
}

void EVRCustomPresenter::Notify(long code, LONG_PTR first, LONG_PTR second) {
    fw::ComPtr<IMediaEventSink> sink;
    {
        CriticalSectionLock hold(lock_);
        sink = mediaEventSink_;
    }
    if (!sink) return;
    // The renderer takes its own lock here, and holds it while it calls the
    // presenter's clock methods, which take the presenter's.
    const CriticalSectionRelease released(lock_);
    sink->Notify(code, first, second);
}

// Service pointers.

STDMETHODIMP EVRCustomPresenter::InitServicePointers(IMFTopologyServiceLookup* lookup) {
    if (lookup == nullptr) return E_POINTER;
    CriticalSectionLock hold(lock_);
    if (renderState_ == RenderState::Started || renderState_ == RenderState::Paused) return MF_E_INVALIDREQUEST;
    clock_.Reset();
    mixer_.Reset();
    mediaEventSink_.Reset();

    // The renderer may have no clock yet: the presenter then shows each
    // frame as it comes.
    LookUp(lookup, MR_VIDEO_RENDER_SERVICE, &clock_);
    HRESULT result = LookUp(lookup, MR_VIDEO_MIXER_SERVICE, &mixer_);
    if (SUCCEEDED(result)) result = ConfigureMixer(mixer_.Get());
    if (SUCCEEDED(result)) result = LookUp(lookup, MR_VIDEO_RENDER_SERVICE, &mediaEventSink_);
    if (SUCCEEDED(result)) renderState_ = RenderState::Stopped;
    return result;
}

HRESULT EVRCustomPresenter::ConfigureMixer(IMFTransform* mixer) {
    fw::ComPtr<IMFVideoDeviceID> deviceId;
    HRESULT result = mixer->QueryInterface(__uuidof(IMFVideoDeviceID), reinterpret_cast<void**>(deviceId.Put()));
    if (FAILED(result)) return result;
    IID mixerDevice{};
    result = deviceId->GetDeviceID(&mixerDevice);
    if (FAILED(result)) return result;
    if (!IsEqualGUID(mixerDevice, __uuidof(IDirect3DDevice9))) return MF_E_INVALIDREQUEST;

    fw::ComPtr<IMFAttributes> attributes;
    if (SUCCEEDED(mixer->GetAttributes(attributes.Put())) && attributes) {
        attributes->SetBlob(VIDEO_ZOOM_RECT, reinterpret_cast<const UINT8*>(&sourceRect_), sizeof sourceRect_);
    }
    return S_OK;
}

// The whole teardown happens under the lock: a sample coming back on a
// work-queue thread meanwhile finds the presenter shut down and reaches no
// service that is being let go.
STDMETHODIMP EVRCustomPresenter::ReleaseServicePointers() {
    CriticalSectionLock hold(lock_);
    renderState_ = RenderState::Shutdown;
    Flush();
    frameStep_.samples.Clear();
    SetMediaType(nullptr);
    clock_.Reset();
    mixer_.Reset();
    mediaEventSink_.Reset();
    return S_OK;
}

// Clock state.

STDMETHODIMP EVRCustomPresenter::OnClockStart(MFTIME, LONGLONG startOffset) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (renderState_ == RenderState::Started || renderState_ == RenderState::Paused) {
        renderState_ = RenderState::Started;
        if (startOffset != kCurrentPosition) Flush();
    } else {
        renderState_ = RenderState::Started;
        const HRESULT result = StartFrameStep();
        if (FAILED(result)) return result;
    }
    GatedOutputLoop();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::OnClockRestart(MFTIME) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    renderState_ = RenderState::Started;
    const HRESULT result = StartFrameStep();
    if (FAILED(result)) return result;
    ProcessOutputLoop();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::OnClockStop(MFTIME) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (renderState_ == RenderState::Stopped) return S_OK;
    renderState_ = RenderState::Stopped;
    Flush();
    if (frameStep_.state != FrameStepState::None) CancelFrameStep();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::OnClockPause(MFTIME) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    renderState_ = RenderState::Paused;
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::OnClockSetRate(MFTIME, float rate) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (rate_ == 0.0f && rate != 0.0f) {
        CancelFrameStep();
        frameStep_.samples.Clear();
    }
    rate_ = rate;
    scheduler_.SetClockRate(rate);
    return S_OK;
}

// Messages.

STDMETHODIMP EVRCustomPresenter::ProcessMessage(MFVP_MESSAGE_TYPE message, ULONG_PTR parameter) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    switch (message) {
    case MFVP_MESSAGE_FLUSH:
        Flush();
        return S_OK;
    case MFVP_MESSAGE_INVALIDATEMEDIATYPE:
        return RenegotiateMediaType();
    case MFVP_MESSAGE_PROCESSINPUTNOTIFY:
        ++inputNotifies_;
        sampleNotify_ = true;
        // A presenter left without a type (service pointers released and
        // set again, or a stream change) agrees a new one before it pulls.
        if (!mediaType_ && FAILED(RenegotiateMediaType())) return MF_E_TRANSFORM_TYPE_NOT_SET;
        ProcessOutputLoop();
        return S_OK;
    case MFVP_MESSAGE_BEGINSTREAMING:
        return scheduler_.StartScheduler(clock_.Get());
    case MFVP_MESSAGE_ENDSTREAMING:
        scheduler_.StopScheduler();
        return S_OK;
    case MFVP_MESSAGE_ENDOFSTREAM:
        endOfStream_ = true;
        CheckEndOfStream();
        return S_OK;
    case MFVP_MESSAGE_STEP:
        frameStep_.steps += static_cast<DWORD>(parameter);
        frameStep_.state = FrameStepState::WaitingStart;
        return renderState_ == RenderState::Started ? StartFrameStep() : S_OK;
    case MFVP_MESSAGE_CANCELSTEP:
        return CancelFrameStep();
    default:
        return E_INVALIDARG;
    }
}

STDMETHODIMP EVRCustomPresenter::GetCurrentMediaType(IMFVideoMediaType** mediaType) {
    if (mediaType == nullptr) return E_POINTER;
    *mediaType = nullptr;
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (!mediaType_) return MF_E_NOT_INITIALIZED;
    return mediaType_->QueryInterface(__uuidof(IMFVideoMediaType), reinterpret_cast<void**>(mediaType));
}
