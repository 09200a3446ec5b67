#include "PresenterTestSession.h"

#include "support/MessagePump.h"

namespace {

constexpr DWORD kStepTimeoutMs = 10000;
// How far past the movie's length the clock runs before the end counts as
// reached without the session's word (100 ns units).
constexpr LONGLONG kEndWithoutEventAfter = 10000000;

// Wine's source offers the decoded video as I420 first, which the renderer
// cannot take; NV12, when offered, plays.
void PreferNv12(IMFMediaTypeHandler* handler) {
    fw::ComPtr<IMFMediaType> type;
    GUID subtype{};
    for (DWORD i = 0; SUCCEEDED(handler->GetMediaTypeByIndex(i, type.Put())); ++i) {
        if (SUCCEEDED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) && IsEqualGUID(subtype, MFVideoFormat_NV12)) {
            handler->SetCurrentMediaType(type.Get());
            return;
        }
    }
}

}  // namespace

HRESULT PresenterTestSession::Open(const std::wstring& path, HWND window) {
    fw::ComPtr<IMFSourceResolver> resolver;
    fw::ComPtr<IUnknown> object;
    fw::ComPtr<IMFTopology> topology;
    MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
    HRESULT result = MFCreateMediaSession(nullptr, session_.Put());
    if (SUCCEEDED(result)) result = MFCreateSourceResolver(resolver.Put());
    if (SUCCEEDED(result)) {
        result = resolver->CreateObjectFromURL(path.c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr, &type, object.Put());
    }
    if (SUCCEEDED(result)) result = object.As(source_);
    if (SUCCEEDED(result)) result = source_->CreatePresentationDescriptor(descriptor_.Put());
    UINT64 duration = 0;
    if (SUCCEEDED(result) && SUCCEEDED(descriptor_->GetUINT64(MF_PD_DURATION, &duration))) {
        duration_ = static_cast<LONGLONG>(duration);
    }
    if (SUCCEEDED(result)) result = MFCreateTopology(topology.Put());
    if (SUCCEEDED(result)) result = AddVideoBranch(topology.Get(), window);
    if (SUCCEEDED(result)) result = session_->SetTopology(0, topology.Get());
    if (SUCCEEDED(result)) result = WaitForEvent(MESessionTopologySet, kStepTimeoutMs);
    if (SUCCEEDED(result)) result = WaitForEvent(MESessionTopologyStatus, kStepTimeoutMs);
    return result;
}

// The first video stream into the renderer; every other stream is left out.
HRESULT PresenterTestSession::AddVideoBranch(IMFTopology* topology, HWND window) {
    DWORD streams = 0;
    descriptor_->GetStreamDescriptorCount(&streams);
    fw::ComPtr<IMFStreamDescriptor> video;
    for (DWORD i = 0; i < streams; ++i) {
        BOOL selected = FALSE;
        fw::ComPtr<IMFStreamDescriptor> stream;
        fw::ComPtr<IMFMediaTypeHandler> handler;
        GUID major{};
        descriptor_->DeselectStream(i);
        if (video || FAILED(descriptor_->GetStreamDescriptorByIndex(i, &selected, stream.Put())) ||
            FAILED(stream->GetMediaTypeHandler(handler.Put())) || FAILED(handler->GetMajorType(&major)) ||
            !IsEqualGUID(major, MFMediaType_Video)) {
            continue;
        }
        PreferNv12(handler.Get());
        descriptor_->SelectStream(i);
        video = stream;
    }
    if (!video) return MF_E_INVALIDSTREAMNUMBER;

    fw::ComPtr<IMFActivate> renderer;
    fw::ComPtr<IMFTopologyNode> sourceNode;
    fw::ComPtr<IMFTopologyNode> outputNode;
    CMFActivate* activate = nullptr;
    HRESULT result = CMFActivate::CreateInstance(&activate);
    if (FAILED(result)) return result;
    activate_ = fw::ComPtr<CMFActivate>::Adopt(activate);
    result = MFCreateVideoRendererActivate(window, renderer.Put());
    if (SUCCEEDED(result)) result = renderer->SetUnknown(MF_ACTIVATE_CUSTOM_VIDEO_PRESENTER_ACTIVATE, activate);
    if (SUCCEEDED(result)) result = MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, sourceNode.Put());
    if (SUCCEEDED(result)) result = sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source_.Get());
    if (SUCCEEDED(result)) result = sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, descriptor_.Get());
    if (SUCCEEDED(result)) result = sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, video.Get());
    if (SUCCEEDED(result)) result = MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, outputNode.Put());
    if (SUCCEEDED(result)) result = outputNode->SetObject(renderer.Get());
    if (SUCCEEDED(result)) result = topology->AddNode(sourceNode.Get());
    if (SUCCEEDED(result)) result = topology->AddNode(outputNode.Get());
    if (SUCCEEDED(result)) result = sourceNode->ConnectOutput(0, outputNode.Get(), 0);
    return result;
}

HRESULT PresenterTestSession::Start() {
    PROPVARIANT start;
    PropVariantInit(&start);
    const HRESULT result = session_->Start(&GUID_NULL, &start);
    return SUCCEEDED(result) ? WaitForEvent(MESessionStarted, kStepTimeoutMs) : result;
}

void PresenterTestSession::Close() {
    // Wine's renderer, stopped while the presenter asks the mixer for a
    // frame, can leave the two waiting on each other.
    if (Presenter() != nullptr) Presenter()->SetOutputGate(false);
    if (session_ && SUCCEEDED(session_->Close())) WaitForEvent(MESessionClosed, kStepTimeoutMs);
    if (source_) source_->Shutdown();
    if (session_) session_->Shutdown();
    if (activate_) activate_->ShutdownObject();
    descriptor_.Reset();
    source_.Reset();
    session_.Reset();
    activate_.Reset();
}

// Straight from the presenter: Wine's media session hands it out too, but
// then keeps the renderer, and with it the presenter, alive after shutdown.
fw::ComPtr<IMFVideoDisplayControl> PresenterTestSession::DisplayControl() const {
    fw::ComPtr<IMFVideoDisplayControl> control;
    if (Presenter() != nullptr) {
        Presenter()->QueryInterface(__uuidof(IMFVideoDisplayControl), reinterpret_cast<void**>(control.Put()));
    }
    return control;
}

LONGLONG PresenterTestSession::ClockTime() const {
    fw::ComPtr<IMFClock> clock;
    LONGLONG time = 0;
    MFTIME systemTime = 0;
    if (SUCCEEDED(session_->GetClock(clock.Put()))) clock->GetCorrelatedTime(0, &time, &systemTime);
    return time;
}

bool PresenterTestSession::TakeEvent(MediaEventType wanted, HRESULT* status) {
    fw::ComPtr<IMFMediaEvent> event;
    MediaEventType type = MEUnknown;
    while (SUCCEEDED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, event.Put()))) {
        if (SUCCEEDED(event->GetType(&type)) && type == wanted) return SUCCEEDED(event->GetStatus(status));
    }
    return false;
}

// Takes the session's events until the wanted one and gives its status;
// E_ABORT when the deadline passes first.
HRESULT PresenterTestSession::WaitForEvent(MediaEventType wanted, DWORD timeoutMs) {
    HRESULT status = E_ABORT;
    testing_support::PumpUntil([&] { return TakeEvent(wanted, &status); }, timeoutMs);
    return status;
}

HRESULT PresenterTestSession::WaitForEnd(DWORD timeoutMs) {
    HRESULT status = E_ABORT;
    testing_support::PumpUntil(
        [&] {
            if (TakeEvent(MESessionEnded, &status)) return true;
            if (duration_ <= 0 || ClockTime() < duration_ + kEndWithoutEventAfter) return false;
            status = S_OK;
            return true;
        },
        timeoutMs);
    return status;
}
