// The playback topology: one branch from each selected stream of the
// source to its renderer.

#include "CPlayer.h"

#include "PresenterLink.h"
#include "RendererStreamProxy.h"

namespace {

HRESULT MajorTypeOf(IMFStreamDescriptor* stream, GUID& major) {
    fw::ComPtr<IMFMediaTypeHandler> handler;
    HRESULT hr = stream->GetMediaTypeHandler(handler.Put());
    if (FAILED(hr)) return hr;
    return handler->GetMajorType(&major);
}

bool IsVideo(IMFStreamDescriptor* stream) {
    GUID major = GUID_NULL;
    return SUCCEEDED(MajorTypeOf(stream, major)) && major == MFMediaType_Video;
}

// The renderer made now and its stream, offering Wine's session no sample
// allocator (see RendererStreamProxy).
HRESULT WineVideoStream(IMFActivate* renderer, fw::ComPtr<IUnknown>& stream) {
    fw::ComPtr<IMFMediaSink> sink;
    HRESULT hr = renderer->ActivateObject(__uuidof(IMFMediaSink), reinterpret_cast<void**>(sink.Put()));
    if (FAILED(hr)) return hr;
    IMFStreamSink* proxy = nullptr;
    hr = RendererStreamProxy::Create(sink.Get(), &proxy);
    if (FAILED(hr)) return hr;
    stream = fw::ComPtr<IUnknown>::Adopt(proxy);
    return S_OK;
}

// Wine's source offers decoded video, first as a type its video renderer
// cannot take; NV12, offered too, goes through.
void PreferNv12(IMFPresentationDescriptor* descriptor) {
    DWORD count = 0;
    if (FAILED(descriptor->GetStreamDescriptorCount(&count))) return;
    for (DWORD i = 0; i < count; ++i) {
        BOOL selected = FALSE;
        fw::ComPtr<IMFStreamDescriptor> stream;
        GUID major = GUID_NULL;
        if (FAILED(descriptor->GetStreamDescriptorByIndex(i, &selected, stream.Put())) || !selected) continue;
        if (FAILED(MajorTypeOf(stream.Get(), major)) || major != MFMediaType_Video) continue;
        fw::ComPtr<IMFMediaTypeHandler> handler;
        DWORD types = 0;
        if (FAILED(stream->GetMediaTypeHandler(handler.Put())) || FAILED(handler->GetMediaTypeCount(&types))) continue;
        for (DWORD t = 0; t < types; ++t) {
            fw::ComPtr<IMFMediaType> type;
            GUID subtype = GUID_NULL;
            if (FAILED(handler->GetMediaTypeByIndex(t, type.Put())) ||
                FAILED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) || subtype != MFVideoFormat_NV12) {
                continue;
            }
            handler->SetCurrentMediaType(type.Get());
            break;
        }
    }
}

}  // namespace

HRESULT CPlayer::SetTopologyFromSource() {
    fw::ComPtr<IMFMediaSource> source;
    fw::ComPtr<IMFMediaSession> session;
    {
        std::lock_guard<std::mutex> hold(lock_);
        source = source_;
        session = session_;
    }
    if (!source || !session) return E_UNEXPECTED;
    fw::ComPtr<IMFPresentationDescriptor> descriptor;
    HRESULT hr = source->CreatePresentationDescriptor(descriptor.Put());
    if (FAILED(hr)) return hr;
    if (underWine_) PreferNv12(descriptor.Get());
    {
        std::lock_guard<std::mutex> hold(lock_);
        videoRenderer_.Reset();
        audioRenderer_.Reset();
    }
    fw::ComPtr<IMFTopology> topology;
    hr = CreatePlaybackTopology(source.Get(), descriptor.Get(), videoWindow_, topology.Put());
    if (FAILED(hr)) return hr;
    topologySet_ = false;
    readyWaiting_ = false;
    readyPosted_ = false;
    return session->SetTopology(0, topology.Get());
}

HRESULT CPlayer::CreatePlaybackTopology(IMFMediaSource* source, IMFPresentationDescriptor* descriptor,
                                        HWND videoWindow, IMFTopology** topology) {
    if (topology == nullptr) return E_POINTER;
    *topology = nullptr;
    fw::ComPtr<IMFTopology> made;
    HRESULT hr = MFCreateTopology(made.Put());
    if (FAILED(hr)) return hr;
    DWORD count = 0;
    hr = descriptor->GetStreamDescriptorCount(&count);
    if (FAILED(hr)) return hr;
    for (DWORD i = 0; i < count; ++i) {
        hr = AddBranchToPartialTopology(made.Get(), source, descriptor, i, videoWindow);
    }
    *topology = made.Get();
    made->AddRef();
    return hr;
}

HRESULT CPlayer::AddBranchToPartialTopology(IMFTopology* topology, IMFMediaSource* source,
                                            IMFPresentationDescriptor* descriptor, DWORD streamIndex,
                                            HWND videoWindow) {
    BOOL selected = FALSE;
    fw::ComPtr<IMFStreamDescriptor> stream;
    HRESULT hr = descriptor->GetStreamDescriptorByIndex(streamIndex, &selected, stream.Put());
    if (FAILED(hr) || !selected) return hr;
    GUID major = GUID_NULL;
    if (audioDisabled_ && SUCCEEDED(MajorTypeOf(stream.Get(), major)) && major == MFMediaType_Audio) {
        // Left out on purpose: the source must not wait on a stream that
        // nothing reads, and the video branch still makes the topology.
        return descriptor->DeselectStream(streamIndex);
    }
    fw::ComPtr<IMFActivate> sink;
    hr = CreateMediaSinkActivate(stream.Get(), videoWindow, sink.Put());
    if (FAILED(hr)) return hr;

    fw::ComPtr<IMFTopologyNode> sourceNode;
    if (FAILED(hr = MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, sourceNode.Put()))) return hr;
    if (FAILED(hr = sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source))) return hr;
    if (FAILED(hr = sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, descriptor))) return hr;
    if (FAILED(hr = sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream.Get()))) return hr;
    if (FAILED(hr = topology->AddNode(sourceNode.Get()))) return hr;

    fw::ComPtr<IUnknown> sinkObject(sink.Get());
    if (underWine_ && IsVideo(stream.Get()) && FAILED(hr = WineVideoStream(sink.Get(), sinkObject))) return hr;
    fw::ComPtr<IMFTopologyNode> outputNode;
    if (FAILED(hr = MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, outputNode.Put()))) return hr;
    if (FAILED(hr = outputNode->SetObject(sinkObject.Get()))) return hr;
    if (FAILED(hr = outputNode->SetUINT32(MF_TOPONODE_STREAMID, 0))) return hr;
    if (FAILED(hr = outputNode->SetUINT32(MF_TOPONODE_NOSHUTDOWN_ON_REMOVE, FALSE))) return hr;
    if (FAILED(hr = topology->AddNode(outputNode.Get()))) return hr;
    return sourceNode->ConnectOutput(0, outputNode.Get(), 0);
}

HRESULT CPlayer::CreateMediaSinkActivate(IMFStreamDescriptor* stream, HWND videoWindow, IMFActivate** activate) {
    if (activate == nullptr) return E_POINTER;
    *activate = nullptr;
    GUID major = GUID_NULL;
    HRESULT hr = MajorTypeOf(stream, major);
    if (FAILED(hr)) return hr;
    fw::ComPtr<IMFActivate> renderer;
    if (major == MFMediaType_Audio) {
        if (audioDisabled_) return E_FAIL;
        hr = MFCreateAudioRendererActivate(renderer.Put());
        if (FAILED(hr)) return hr;
        std::lock_guard<std::mutex> hold(lock_);
        audioRenderer_ = renderer;
        *activate = renderer.Get();
        renderer->AddRef();
        return S_OK;
    }
    if (major != MFMediaType_Video) return E_FAIL;
    hr = MFCreateVideoRendererActivate(videoWindow, renderer.Put());
    if (FAILED(hr)) return hr;
    // One presenter activation at a time: a rebuilt topology lets go of the
    // one made for the topology before.
    fw::ComPtr<IMFActivate> presenter;
    hr = AttachPresenterActivation(renderer.Get(), presenter);
    if (FAILED(hr)) return hr;
    {
        std::lock_guard<std::mutex> hold(lock_);
        presenterActivation_ = presenter;
        videoRenderer_ = renderer;
    }
    *activate = renderer.Get();
    renderer->AddRef();
    return S_OK;
}
