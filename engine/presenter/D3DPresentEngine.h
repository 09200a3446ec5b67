#pragma once

#include <windows.h>
#include <d3d9.h>
#include <dxva2api.h>
#include <mfidl.h>

#include <atomic>

#include "CriticalSection.h"
#include "RunningUnderWine.h"
#include "SamplePool.h"
#include "Scheduler.h"
#include "framework/ComPtr.h"
#include "framework/DeviceContext.h"
#include "framework/Handles.h"

// Everything the presenter needs of Direct3D 9: the device and the device
// manager it shares with the mixer, the video samples the mixer draws into,
// the presentation of a finished frame onto the video window, and the grab
// of the last presented frame for snapshots. The presenter owns it.
class D3DPresentEngine : public SchedulerCallback {
public:
    // The grab buffer is made once, at this size, and reused.
    static constexpr int kGrabBitmapSide = 1920;
    // Samples per media type: the mixer fills one while the other is shown.
    static constexpr int kSamplesPerType = 2;

    D3DPresentEngine() = default;
    ~D3DPresentEngine() override;
    D3DPresentEngine(const D3DPresentEngine&) = delete;
    D3DPresentEngine& operator=(const D3DPresentEngine&) = delete;

    // The Direct3D object, the device manager and the grab buffer; the
    // first failure is the result.
    HRESULT Initialize();

    HRESULT PresentSample(IMFSample* sample, LONGLONG targetTime) override;
    // Hands out the device manager under any service.
    HRESULT GetService(REFGUID service, REFIID iid, void** out);
    // S_OK when frames of this format can be drawn for the display.
    HRESULT CheckFormat(D3DFORMAT format);
    HRESULT AfterVideoSamplesCreated(const D3DPRESENT_PARAMETERS& parameters);
    void ReleaseVideoResources();
    HRESULT PresentSwapChain(IDirect3DSwapChain9* swapChain, IDirect3DSurface9* surface);
    void PaintFrameWithGDI();

    // (Re)creates the device for the current video window.
    HRESULT CreateD3DDevice();
    // Takes the window the frames go to and makes a device for it.
    HRESULT SetVideoWindow(HWND window);
    HWND VideoWindow();
    void SetDestinationRect(const RECT& rect);
    RECT DestinationRect();
    bool HasDestination();
    // Refresh rate of the display, 0 when unknown.
    UINT RefreshRate();

    // Two video samples of the type, each the back buffer of a swap chain
    // of its own, filled black.
    HRESULT CreateVideoSamples(IMFMediaType* type, VideoSampleList* samples);
    // Asks the device whether frames can go on; a lost device is made anew
    // and *reset says so.
    HRESULT TestDevice(bool* reset);
    // The last presented frame at width x height as a 32-bit bottom-up DIB,
    // in memory for the caller to free with CoTaskMemFree. An error when no
    // frame has been presented yet.
    HRESULT GrabFrame(BYTE** pixels, UINT width, UINT height);

    // Frames put on the screen so far.
    long FramesPresented() const { return framesPresented_; }

private:
    HRESULT CreateDirect3D();
    HRESULT CreateGrabBuffer();
    HRESULT FindAdapter(UINT* adapter);
    HRESULT TestDevice9Ex(HRESULT state, bool* reset);
    HRESULT TestDevice9(HRESULT state, bool* reset);
    HRESULT ReadyGrabCopy();
    void KeepForGrab(IDirect3DSurface9* surface);
    HRESULT CopyToGrabBuffer(IDirect3DSurface9* surface, UINT width, UINT height);
    HRESULT PaintSurface(IDirect3DSurface9* surface, HWND window, const RECT& destination);

    UINT resetToken_ = 0;
    HWND window_ = nullptr;
    RECT destination_{};
    D3DDISPLAYMODE displayMode_{};
    CriticalSection lock_;
    UINT frameWidth_ = 0;
    UINT frameHeight_ = 0;
    D3DFORMAT frameFormat_ = D3DFMT_UNKNOWN;
    // One pair is in use: the 9Ex pair (with its plain interface beside
    // it) from Windows 6.1 on, else the plain pair alone.
    fw::ComPtr<IDirect3D9Ex> direct3D9Ex_;
    fw::ComPtr<IDirect3DDevice9Ex> device9Ex_;
    fw::ComPtr<IDirect3D9> direct3D_;
    fw::ComPtr<IDirect3DDevice9> device_;
    fw::ComPtr<IDirect3DDeviceManager9> deviceManager_;
    D3DPRESENT_PARAMETERS presentParameters_{};
    fw::MemoryDC grabDc_;
    fw::Bitmap grabBitmap_;
    // A copy of the frame last put on the screen, for the grab, of the
    // frame size and format. The presented surface itself goes back to the
    // pool with its sample, and the mixer draws the next frames into it on
    // the renderer's thread; the copy is written as a frame is presented and
    // read by the grab, both under the lock, and nothing else touches it.
    fw::ComPtr<IDirect3DSurface9> grabCopy_;
    bool grabCopyHolds_ = false;
    std::atomic<long> framesPresented_{0};
    // Wine shows a Direct3D present only in a top-level window with no
    // children; in a child window, as the main window's video area is, the
    // picture stays black. There the frame is drawn with GDI instead.
    const bool paintWithGdi_ = RunningUnderWine();
};
