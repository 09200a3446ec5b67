// Building the DirectShow graph, giving it the movie and the window, and
// taking it down.

#include <objbase.h>
#include <uuids.h>

#include "CheckHResult.h"
#include "DirectShowBackend.h"
#include "PlayerMessages.h"
#include "platform/WindowMessages.h"

namespace {

bool Checked(HRESULT hr) { return CheckHResult(hr) != 0; }

template <class Interface>
HRESULT QueryInto(IUnknown* object, REFIID iid, fw::ComPtr<Interface>& out) {
    if (object == nullptr) return E_POINTER;
    return object->QueryInterface(iid, reinterpret_cast<void**>(out.Put()));
}

constexpr long kStartAttenuation = -500;
constexpr long kCentreBalance = 0;
constexpr long kChildClipStyle = WS_CHILD | WS_CLIPCHILDREN;
constexpr wchar_t kWindowCaption[] = L"no means";

}  // namespace

std::unique_ptr<DirectShowBackend> DirectShowBackend::Create(HWND videoWindow) {
    std::unique_ptr<DirectShowBackend> backend(new (std::nothrow) DirectShowBackend(videoWindow));
    if (!backend) return nullptr;
    if (!Checked(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(backend->graph_.Put())))) {
        return nullptr;
    }
    if (!backend->AddRenderer()) return nullptr;
    if (!Checked(CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_ICaptureGraphBuilder2,
                                  reinterpret_cast<void**>(backend->captureBuilder_.Put()))) ||
        !Checked(backend->captureBuilder_->SetFiltergraph(backend->graph_.Get()))) {
        return nullptr;
    }
    if (!backend->QueryGraphControls()) return nullptr;
    if (!backend->overlay_.Create(videoWindow)) return nullptr;
    return backend;
}

bool DirectShowBackend::AddRenderer() {
    if (SUCCEEDED(CoCreateInstance(CLSID_VideoMixingRenderer9, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                   reinterpret_cast<void**>(vmr9_.Put())))) {
        return AddVmr9();
    }
    if (SUCCEEDED(CoCreateInstance(CLSID_VideoMixingRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                   reinterpret_cast<void**>(vmr7_.Put())))) {
        return AddVmr7();
    }
    return Checked(QueryInto(graph_.Get(), IID_IVideoWindow, videoWindow_));
}

bool DirectShowBackend::AddVmr9() {
    return Checked(QueryInto(vmr9_.Get(), IID_IVMRFilterConfig9, vmr9Config_)) &&
           Checked(vmr9Config_->SetRenderingMode(VMR9Mode_Windowless)) &&
           Checked(QueryInto(vmr9_.Get(), IID_IVMRWindowlessControl9, vmr9Windowless_)) &&
           Checked(vmr9Windowless_->SetVideoClippingWindow(window_)) &&
           Checked(graph_->AddFilter(vmr9_.Get(), L"VMR9")) &&
           Checked(QueryInto(vmr9_.Get(), IID_IVMRMixerControl9, vmr9Mixer_));
}

bool DirectShowBackend::AddVmr7() {
    return Checked(QueryInto(vmr7_.Get(), IID_IVMRFilterConfig, vmr7Config_)) &&
           Checked(vmr7Config_->SetRenderingMode(VMRMode_Windowless)) &&
           Checked(QueryInto(vmr7_.Get(), IID_IVMRWindowlessControl, vmr7Windowless_)) &&
           Checked(vmr7Windowless_->SetVideoClippingWindow(window_)) &&
           Checked(graph_->AddFilter(vmr7_.Get(), L"VMR"));
}

bool DirectShowBackend::QueryGraphControls() {
    IGraphBuilder* graph = graph_.Get();
    return Checked(QueryInto(graph, IID_IBasicAudio, basicAudio_)) &&
           Checked(QueryInto(graph, IID_IMediaControl, mediaControl_)) &&
           Checked(QueryInto(graph, IID_IMediaEvent, mediaEvent_)) &&
           Checked(QueryInto(graph, IID_IMediaEventEx, mediaEventEx_)) &&
           Checked(QueryInto(graph, IID_IMediaPosition, mediaPosition_)) &&
           Checked(QueryInto(graph, IID_IMediaSeeking, mediaSeeking_)) &&
           Checked(QueryInto(graph, IID_IBasicVideo2, basicVideo_));
}

IBaseFilter* DirectShowBackend::VideoRenderer() const { return vmr9_ ? vmr9_.Get() : vmr7_.Get(); }

bool DirectShowBackend::OpenMedia(const std::wstring& path) {
    if (!Checked(graph_->AddSourceFilter(path.c_str(), L"Source", source_.Put()))) return false;
    // With no mixing renderer the graph picks its own, whose window is
    // placed as the video window.
    if (!Checked(captureBuilder_->RenderStream(nullptr, nullptr, source_.Get(), nullptr, VideoRenderer()))) {
        return false;
    }
    // Without a sound device the sound cannot be rendered; the video plays.
    captureBuilder_->RenderStream(nullptr, &MEDIATYPE_Audio, source_.Get(), nullptr, nullptr);
    return true;
}

bool DirectShowBackend::AttachVideoWindow() {
    if (!Checked(mediaEventEx_->SetNotifyWindow(reinterpret_cast<OAHWND>(window_), WM_APP_GRAPH_EVENT, 0))) {
        return false;
    }
    basicAudio_->put_Volume(kStartAttenuation);
    basicAudio_->put_Balance(kCentreBalance);
    if (!Checked(mediaSeeking_->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME))) return false;
    if (!Checked(mediaPosition_->put_Rate(1.0))) return false;
    if (vmr9Windowless_ || vmr7Windowless_) return AttachVmrAspect();
    if (videoWindow_) return AttachPlainVideoWindow();
    return true;
}

bool DirectShowBackend::AttachVmrAspect() {
    // Letter-boxed by the windowless control, then stretched by the
    // renderer's own aspect control: the picture fills its rectangle.
    if (vmr9Windowless_) {
        fw::ComPtr<IVMRAspectRatioControl9> aspect;
        return Checked(vmr9Windowless_->SetAspectRatioMode(VMR9ARMode_LetterBox)) &&
               Checked(QueryInto(vmr9_.Get(), IID_IVMRAspectRatioControl9, aspect)) &&
               Checked(aspect->SetAspectRatioMode(VMR_ARMODE_NONE));
    }
    fw::ComPtr<IVMRAspectRatioControl> aspect;
    return Checked(vmr7Windowless_->SetAspectRatioMode(VMR_ARMODE_LETTER_BOX)) &&
           Checked(QueryInto(vmr7_.Get(), IID_IVMRAspectRatioControl, aspect)) &&
           Checked(aspect->SetAspectRatioMode(VMR_ARMODE_NONE));
}

bool DirectShowBackend::AttachPlainVideoWindow() {
    RECT client{};
    GetClientRect(window_, &client);
    BSTR caption = SysAllocString(kWindowCaption);
    const bool captioned = Checked(videoWindow_->put_Owner(reinterpret_cast<OAHWND>(window_))) &&
                           Checked(videoWindow_->put_Caption(caption));
    SysFreeString(caption);
    return captioned && Checked(videoWindow_->put_WindowStyle(kChildClipStyle)) &&
           Checked(videoWindow_->SetWindowPosition(0, 0, client.right, client.bottom)) &&
           Checked(videoWindow_->put_MessageDrain(reinterpret_cast<OAHWND>(window_))) &&
           Checked(videoWindow_->SetWindowForeground(OATRUE)) && Checked(videoWindow_->put_Visible(OATRUE));
}

bool DirectShowBackend::ReadReversePlayable(uint32_t& reversePlayable) {
    DWORD capabilities = 0;
    if (!Checked(mediaSeeking_->GetCapabilities(&capabilities))) return false;
    reversePlayable = (capabilities & AM_SEEKING_CanPlayBackwards) != 0 ? 1 : 0;
    return true;
}

void DirectShowBackend::AnnounceOpened() { PostWindowMessage(window_, WM_PLAYER_READY, 0, 0); }

bool DirectShowBackend::TakeGraphEvent(int32_t& code) {
    long eventCode = 0;
    LONG_PTR first = 0;
    LONG_PTR second = 0;
    if (!mediaEvent_ || FAILED(mediaEvent_->GetEvent(&eventCode, &first, &second, 0))) return false;
    mediaEvent_->FreeEventParams(eventCode, first, second);
    code = static_cast<int32_t>(eventCode);
    return true;
}

DirectShowBackend::~DirectShowBackend() {
    if (mediaControl_) mediaControl_->StopWhenReady();
    // No event may reach the window about a graph that is gone.
    if (mediaEventEx_) mediaEventEx_->SetNotifyWindow(0, 0, 0);
    mediaSeeking_.Reset();
    mediaPosition_.Reset();
    mediaEventEx_.Reset();
    mediaEvent_.Reset();
    mediaControl_.Reset();
    if (videoWindow_) {
        videoWindow_->put_Visible(OAFALSE);
        videoWindow_->put_MessageDrain(0);
        videoWindow_->put_Owner(0);
    }
    vmr9Windowless_.Reset();
    vmr9Mixer_.Reset();
    vmr9Config_.Reset();
    vmr9_.Reset();
    vmr7Windowless_.Reset();
    vmr7Config_.Reset();
    vmr7_.Reset();
    videoWindow_.Reset();
    basicVideo_.Reset();
    basicAudio_.Reset();
    captureBuilder_.Reset();
    source_.Reset();
    graph_.Reset();
}
