#include "PresenterTestSession.h"

#include <mfapi.h>
#include <mferror.h>

#include "support/MessagePump.h"

namespace {

constexpr DWORD kOpenTimeoutMs = 10000;
constexpr DWORD kStepTimeoutMs = 5000;

// Wine's source offers the decoded video as I420 first, which the renderer
// cannot take; NV12, when offered, plays.
void PreferNv12(IMFMediaTypeHandler* handler) {
    DWORD count = 0;
    handler->GetMediaTypeCount(&count);
    for (DWORD i = 0; i < count; ++i) {
        fw::ComPtr<IMFMediaType> type;
        GUID subtype{};
        if (SUCCEEDED(handler->GetMediaTypeByIndex(i, type.Put())) &&
            SUCCEEDED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) && IsEqualGUID(subtype, MFVideoFormat_NV12)) {
            handler->SetCurrentMediaType(type.Get());
            return;
        }
    }
}

}  // namespace

MediaFoundationScope::MediaFoundationScope()
    : initialized_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), result_(MFStartup(MF_VERSION)) {}

MediaFoundationScope::~MediaFoundationScope() {
    if (SUCCEEDED(result_)) MFShutdown();
    if (SUCCEEDED(initialized_)) CoUninitialize();
}

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
    if (SUCCEEDED(result)) {
        result = object->QueryInterface(__uuidof(IMFMediaSource), reinterpret_cast<void**>(source_.Put()));
    }
    if (SUCCEEDED(result)) result = source_->CreatePresentationDescriptor(descriptor_.Put());
    if (SUCCEEDED(result)) result = MFCreateTopology(topology.Put());
    if (SUCCEEDED(result)) result = BuildTopology(topology.Get(), window);
    if (SUCCEEDED(result)) result = session_->SetTopology(0, topology.Get());
    if (SUCCEEDED(result)) result = WaitForEvent(MESessionTopologySet, kOpenTimeoutMs);
    if (SUCCEEDED(result)) result = WaitForEvent(MESessionTopologyStatus, kOpenTimeoutMs);
    return result;
}

HRESULT PresenterTestSession::BuildTopology(IMFTopology* topology, HWND window) {
    DWORD streams = 0;
    HRESULT result = descriptor_->GetStreamDescriptorCount(&streams);
    for (DWORD i = 0; SUCCEEDED(result) && i < streams; ++i) {
        BOOL selected = FALSE;
        fw::ComPtr<IMFStreamDescriptor> stream;
        fw::ComPtr<IMFMediaTypeHandler> handler;
        GUID major{};
        result = descriptor_->GetStreamDescriptorByIndex(i, &selected, stream.Put());
        if (SUCCEEDED(result)) result = stream->GetMediaTypeHandler(handler.Put());
        if (SUCCEEDED(result)) result = handler->GetMajorType(&major);
        if (FAILED(result)) break;
        if (!IsEqualGUID(major, MFMediaType_Video)) {
            descriptor_->DeselectStream(i);
            continue;
        }
        PreferNv12(handler.Get());
        result = descriptor_->SelectStream(i);
        if (SUCCEEDED(result)) result = AddVideoBranch(topology, stream.Get(), window);
    }
    return result;
}

HRESULT PresenterTestSession::AddVideoBranch(IMFTopology* topology, IMFStreamDescriptor* stream, HWND window) {
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
    if (SUCCEEDED(result)) result = sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream);
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

HRESULT PresenterTestSession::WaitForEnd(DWORD timeoutMs) { return WaitForEvent(MESessionEnded, timeoutMs); }

void PresenterTestSession::Close() {
    if (session_ && SUCCEEDED(session_->Close())) WaitForEvent(MESessionClosed, kStepTimeoutMs);
    if (source_) source_->Shutdown();
    if (session_) session_->Shutdown();
    if (activate_) activate_->ShutdownObject();
    descriptor_.Reset();
    source_.Reset();
    session_.Reset();
    activate_.Reset();
}

// From the renderer of the session's current topology. Wine's media session
// answers the same request itself too, but then keeps the renderer, and
// with it the presenter, alive after the session has shut down.
fw::ComPtr<IMFVideoDisplayControl> PresenterTestSession::DisplayControl() const {
    fw::ComPtr<IMFTopology> topology;
    fw::ComPtr<IMFCollection> outputs;
    fw::ComPtr<IUnknown> element;
    fw::ComPtr<IMFTopologyNode> node;
    fw::ComPtr<IUnknown> object;
    fw::ComPtr<IMFStreamSink> streamSink;
    fw::ComPtr<IMFMediaSink> renderer;
    fw::ComPtr<IMFVideoDisplayControl> control;
    HRESULT result = session_->GetFullTopology(MFSESSION_GETFULLTOPOLOGY_CURRENT, 0, topology.Put());
    if (SUCCEEDED(result)) result = topology->GetOutputNodeCollection(outputs.Put());
    if (SUCCEEDED(result)) result = outputs->GetElement(0, element.Put());
    if (SUCCEEDED(result)) result = element.As(node);
    if (SUCCEEDED(result)) result = node->GetObject(object.Put());
    if (SUCCEEDED(result)) result = object.As(streamSink);
    if (SUCCEEDED(result)) result = streamSink->GetMediaSink(renderer.Put());
    if (SUCCEEDED(result)) {
        MFGetService(renderer.Get(), MR_VIDEO_RENDER_SERVICE, __uuidof(IMFVideoDisplayControl),
                     reinterpret_cast<void**>(control.Put()));
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

// Takes the session's events until the wanted one and gives its status;
// E_ABORT when the deadline passes first.
HRESULT PresenterTestSession::WaitForEvent(MediaEventType wanted, DWORD timeoutMs) {
    HRESULT status = E_ABORT;
    testing_support::PumpUntil(
        [&] {
            fw::ComPtr<IMFMediaEvent> event;
            while (SUCCEEDED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, event.Put()))) {
                MediaEventType type = MEUnknown;
                event->GetType(&type);
                if (type != wanted) continue;
                event->GetStatus(&status);
                return true;
            }
            return false;
        },
        timeoutMs);
    return status;
}
