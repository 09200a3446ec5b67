#include "D3DPresentEngine.h"

#include <evr.h>
#include <mfapi.h>
#include <mferror.h>

#include "PresentEngineHooks.h"
#include "PresenterGuids.h"
#include "core/PresenterArithmetic.h"

namespace {

using Direct3DCreate9ExFunction = HRESULT(WINAPI*)(UINT, IDirect3D9Ex**);

constexpr DWORD kVideoBackBufferFlags = D3DPRESENTFLAG_VIDEO | D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
constexpr DWORD kSharedBehaviour = D3DCREATE_MULTITHREADED | D3DCREATE_FPU_PRESERVE | D3DCREATE_NOWINDOWCHANGES;
constexpr D3DCOLOR kOpaqueBlack = D3DCOLOR_ARGB(0xFF, 0, 0, 0);

// Direct3D 9Ex exists from Windows 6.1 on.
bool SystemHasDirect3D9Ex() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
    return (version.dwMajorVersion == 6 && version.dwMinorVersion != 0) || version.dwMajorVersion > 6;
}

bool UseDirect3D9Ex() {
    const auto hook = PresentEngineTestHooks().useDirect3D9Ex.Current();
    return hook ? hook() : SystemHasDirect3D9Ex();
}

D3DPRESENT_PARAMETERS WindowedParameters(UINT width, UINT height, D3DFORMAT format, HWND window) {
    D3DPRESENT_PARAMETERS parameters{};
    parameters.BackBufferWidth = width;
    parameters.BackBufferHeight = height;
    parameters.BackBufferFormat = format;
    parameters.BackBufferCount = 1;
    parameters.SwapEffect = D3DSWAPEFFECT_COPY;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.Flags = kVideoBackBufferFlags;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    return parameters;
}

}  // namespace

PresentEngineHooks& PresentEngineTestHooks() {
    static PresentEngineHooks hooks;
    return hooks;
}

D3DPresentEngine::~D3DPresentEngine() {
    grabCopy_.Reset();
    device_.Reset();
    device9Ex_.Reset();
    deviceManager_.Reset();
    direct3D_.Reset();
    direct3D9Ex_.Reset();
}

HRESULT D3DPresentEngine::Initialize() {
    const HRESULT result = CreateDirect3D();
    if (FAILED(result)) return result;
    return CreateGrabBuffer();
}

HRESULT D3DPresentEngine::CreateDirect3D() {
    if (UseDirect3D9Ex()) {
        // The module stays loaded after FreeLibrary: the program also links
        // Direct3DCreate9 from it.
        const HMODULE module = LoadLibraryW(L"d3d9.dll");
        const auto create = module ? reinterpret_cast<Direct3DCreate9ExFunction>(
                                         reinterpret_cast<void*>(GetProcAddress(module, "Direct3DCreate9Ex")))
                                   : nullptr;
        if (create != nullptr) {
            const auto hook = PresentEngineTestHooks().direct3DCreate9Ex.Current();
            HRESULT result = hook ? hook() : S_OK;
            if (SUCCEEDED(result)) result = create(D3D_SDK_VERSION, direct3D9Ex_.Put());
            if (module != nullptr) FreeLibrary(module);
            if (FAILED(result)) return result;
            direct3D_ = direct3D9Ex_.Get();
        } else if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    if (!direct3D_) {
        direct3D_ = fw::ComPtr<IDirect3D9>::Adopt(Direct3DCreate9(D3D_SDK_VERSION));
        if (!direct3D_) return E_FAIL;
    }
    return DXVA2CreateDirect3DDeviceManager9(&resetToken_, deviceManager_.Put());
}

HRESULT D3DPresentEngine::CreateGrabBuffer() {
    const fw::WindowDC desktop(GetDesktopWindow());
    if (desktop.Get() == nullptr) return MF_E_UNEXPECTED;
    grabDc_ = fw::MemoryDC(desktop.Get());
    grabBitmap_.Reset(CreateCompatibleBitmap(desktop.Get(), kGrabBitmapSide, kGrabBitmapSide));
    return grabDc_ && grabBitmap_ ? S_OK : MF_E_UNEXPECTED;
}

HRESULT D3DPresentEngine::FindAdapter(UINT* adapter) {
    *adapter = D3DADAPTER_DEFAULT;
    if (window_ == nullptr) return S_OK;
    const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
    const UINT count = direct3D_->GetAdapterCount();
    for (UINT i = 0; i < count; ++i) {
        if (direct3D_->GetAdapterMonitor(i) == monitor) {
            *adapter = i;
            return S_OK;
        }
    }
    return E_FAIL;
}

HRESULT D3DPresentEngine::CreateD3DDevice() {
    CriticalSectionLock hold(lock_);
    if (!direct3D_ || !deviceManager_) return MF_E_NOT_INITIALIZED;

    D3DPRESENT_PARAMETERS parameters = WindowedParameters(1, 1, D3DFMT_UNKNOWN, GetDesktopWindow());
    UINT adapter = 0;
    HRESULT result = FindAdapter(&adapter);
    if (FAILED(result)) return result;
    D3DCAPS9 caps{};
    result = direct3D_->GetDeviceCaps(adapter, D3DDEVTYPE_HAL, &caps);
    if (FAILED(result)) return result;
    const DWORD behaviour = kSharedBehaviour | ((caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT)
                                                    ? D3DCREATE_HARDWARE_VERTEXPROCESSING
                                                    : D3DCREATE_SOFTWARE_VERTEXPROCESSING);

    fw::ComPtr<IDirect3DDevice9Ex> device9Ex;
    fw::ComPtr<IDirect3DDevice9> device;
    if (direct3D9Ex_) {
        result = direct3D9Ex_->CreateDeviceEx(adapter, D3DDEVTYPE_HAL, GetDesktopWindow(), behaviour, &parameters,
                                              nullptr, device9Ex.Put());
        device = device9Ex.Get();
    } else {
        result = direct3D_->CreateDevice(adapter, D3DDEVTYPE_HAL, GetDesktopWindow(), behaviour, &parameters,
                                         device.Put());
    }
    if (FAILED(result)) return result;
    result = direct3D_->GetAdapterDisplayMode(adapter, &displayMode_);
    if (FAILED(result)) return result;
    result = deviceManager_->ResetDevice(device.Get(), resetToken_);
    if (FAILED(result)) return result;

    presentParameters_ = parameters;
    device_ = device;
    device9Ex_ = device9Ex;
    return S_OK;
}

HRESULT D3DPresentEngine::SetVideoWindow(HWND window) {
    CriticalSectionLock hold(lock_);
    window_ = window;
    return CreateD3DDevice();
}

HWND D3DPresentEngine::VideoWindow() {
    CriticalSectionLock hold(lock_);
    return window_;
}

void D3DPresentEngine::SetDestinationRect(const RECT& rect) {
    CriticalSectionLock hold(lock_);
    destination_ = rect;
}

RECT D3DPresentEngine::DestinationRect() {
    CriticalSectionLock hold(lock_);
    return destination_;
}

bool D3DPresentEngine::HasDestination() {
    CriticalSectionLock hold(lock_);
    return !IsEmptyRect(PixelRect{destination_.left, destination_.top, destination_.right, destination_.bottom});
}

UINT D3DPresentEngine::RefreshRate() {
    CriticalSectionLock hold(lock_);
    return displayMode_.RefreshRate;
}

HRESULT D3DPresentEngine::CreateVideoSamples(IMFMediaType* type, VideoSampleList* samples) {
    CriticalSectionLock hold(lock_);
    if (window_ == nullptr) return MF_E_INVALIDREQUEST;
    if (type == nullptr) return MF_E_UNEXPECTED;
    if (!device_) return MF_E_NOT_INITIALIZED;
    ReleaseVideoResources();

    GUID subtype{};
    HRESULT result = MFGetAttributeSize(type, MF_MT_FRAME_SIZE, &frameWidth_, &frameHeight_);
    if (SUCCEEDED(result)) result = type->GetGUID(MF_MT_SUBTYPE, &subtype);
    if (FAILED(result)) return result;
    // A video subtype's first 32 bits are its Direct3D format code.
    frameFormat_ = static_cast<D3DFORMAT>(subtype.Data1);
    // Where frames are drawn with GDI, the swap chains never present, and
    // must not take the video window: a window Direct3D has drawn to shows
    // nothing else there.
    presentParameters_ =
        WindowedParameters(frameWidth_, frameHeight_, frameFormat_, paintWithGdi_ ? GetDesktopWindow() : window_);

    for (int i = 0; i < kSamplesPerType && SUCCEEDED(result); ++i) {
        fw::ComPtr<IDirect3DSwapChain9> swapChain;
        fw::ComPtr<IDirect3DSurface9> surface;
        fw::ComPtr<IMFSample> sample;
        result = device_->CreateAdditionalSwapChain(&presentParameters_, swapChain.Put());
        if (SUCCEEDED(result)) result = swapChain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, surface.Put());
        if (SUCCEEDED(result)) result = device_->ColorFill(surface.Get(), nullptr, kOpaqueBlack);
        if (SUCCEEDED(result)) result = MFCreateVideoSampleFromSurface(surface.Get(), sample.Put());
        if (SUCCEEDED(result)) result = samples->InsertBack(sample.Get());
        if (SUCCEEDED(result)) result = sample->SetUnknown(SampleSwapChainAttribute, swapChain.Get());
    }
    if (SUCCEEDED(result)) result = ReadyGrabCopy();
    if (SUCCEEDED(result)) result = AfterVideoSamplesCreated(presentParameters_);
    if (FAILED(result)) ReleaseVideoResources();
    return result;
}

// A copy surface that can take the frames of the current samples; one that
// already can is kept, with the frame it holds.
HRESULT D3DPresentEngine::ReadyGrabCopy() {
    D3DSURFACE_DESC description{};
    fw::ComPtr<IDirect3DDevice9> device;
    if (grabCopy_ && SUCCEEDED(grabCopy_->GetDesc(&description)) && SUCCEEDED(grabCopy_->GetDevice(device.Put())) &&
        device.Get() == device_.Get() && description.Width == frameWidth_ && description.Height == frameHeight_ &&
        description.Format == frameFormat_) {
        return S_OK;
    }
    grabCopy_.Reset();
    grabCopyHolds_ = false;
    // Lockable, so that the grab can read it through its DC.
    return device_->CreateRenderTarget(frameWidth_, frameHeight_, frameFormat_, D3DMULTISAMPLE_NONE, 0, TRUE,
                                       grabCopy_.Put(), nullptr);
}

HRESULT D3DPresentEngine::AfterVideoSamplesCreated(const D3DPRESENT_PARAMETERS&) { return S_OK; }

// The samples own their swap chains, so there is nothing of the engine's
// own to let go.
void D3DPresentEngine::ReleaseVideoResources() {}

HRESULT D3DPresentEngine::TestDevice(bool* reset) {
    CriticalSectionLock hold(lock_);
    *reset = false;
    if (!device_) return MF_E_NOT_INITIALIZED;
    const auto hook = PresentEngineTestHooks().deviceState.Current();
    if (device9Ex_) return TestDevice9Ex(hook ? hook() : device9Ex_->CheckDeviceState(window_), reset);
    return TestDevice9(hook ? hook() : device_->TestCooperativeLevel(), reset);
}

HRESULT D3DPresentEngine::TestDevice9Ex(HRESULT state, bool* reset) {
    if (state == D3DERR_DEVICELOST || state == D3DERR_DEVICEHUNG) {
        const HRESULT result = CreateD3DDevice();
        *reset = SUCCEEDED(result);
        return result;
    }
    // The window being hidden or the mode having changed is no reason to
    // stop; E_INVALIDARG only says the window is not one of ours.
    if (SUCCEEDED(state) || state == E_INVALIDARG) return S_OK;
    return state;
}

HRESULT D3DPresentEngine::TestDevice9(HRESULT state, bool* reset) {
    if (state == D3DERR_DEVICENOTRESET) {
        device_->Reset(&presentParameters_);
        *reset = true;
        return S_OK;
    }
    if (SUCCEEDED(state) || state == E_INVALIDARG || state == D3DERR_DEVICELOST || state == D3DERR_DEVICEHUNG) {
        return S_OK;
    }
    return state;
}

HRESULT D3DPresentEngine::GetService(REFGUID, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (!IsEqualIID(iid, __uuidof(IDirect3DDeviceManager9)) || !deviceManager_) return MF_E_UNSUPPORTED_SERVICE;
    deviceManager_->AddRef();
    *out = deviceManager_.Get();
    return S_OK;
}

HRESULT D3DPresentEngine::CheckFormat(D3DFORMAT format) {
    CriticalSectionLock hold(lock_);
    if (!direct3D_) return MF_E_NOT_INITIALIZED;
    UINT adapter = D3DADAPTER_DEFAULT;
    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    if (device_) {
        D3DDEVICE_CREATION_PARAMETERS parameters{};
        const HRESULT result = device_->GetCreationParameters(&parameters);
        if (FAILED(result)) return result;
        adapter = parameters.AdapterOrdinal;
        type = parameters.DeviceType;
    }
    D3DDISPLAYMODE mode{};
    const HRESULT result = direct3D_->GetAdapterDisplayMode(adapter, &mode);
    if (FAILED(result)) return result;
    return direct3D_->CheckDeviceType(adapter, type, mode.Format, format, TRUE);
}
