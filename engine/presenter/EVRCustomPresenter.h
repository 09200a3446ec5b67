#pragma once

#include <windows.h>
#include <d3d9.h>
#include <evr.h>
#include <mfidl.h>
#include <mftransform.h>
#include <strmif.h>

#include <atomic>
#include <memory>

#include "AsyncCallback.h"
#include "ComObject.h"
#include "CriticalSection.h"
#include "D3DPresentEngine.h"
#include "LiveObjects.h"
#include "SamplePool.h"
#include "Scheduler.h"
#include "core/PresenterArithmetic.h"
#include "framework/ComPtr.h"

// How many frames the presenter has put on the screen, and how many of
// them came more than a quarter frame after their time.
struct PresentationCounts {
    long presented = 0;
    long late = 0;
};

// The video presenter the enhanced video renderer uses in place of its own:
// it takes the mixer's frames into its own samples, decides when each goes
// on the screen, answers the renderer's questions on rates, media types and
// services, and offers the display control through which the engine places,
// repaints and grabs the picture.
//
// Locks: the presenter's lock is taken first, then the pool's, the present
// engine's or the scheduler's, never the other way.
class EVRCustomPresenter final : public IMFVideoDeviceID,
                                 public IMFVideoPresenter,
                                 public IMFRateSupport,
                                 public IMFGetService,
                                 public IMFTopologyServiceLookupClient,
                                 public IMFVideoDisplayControl {
public:
    // A new presenter holding one reference; fails when Direct3D cannot be
    // set up.
    static HRESULT CreateInstance(EVRCustomPresenter** presenter);

    // The output gate: while closed, neither the clock's start nor a
    // returning sample asks the mixer for more. The player writes it
    // without the presenter's lock: open when playback starts, closed
    // before a seek. Closing it also waits, a bounded time, until no loop
    // it let through is still asking.
    void SetOutputGate(bool open);
    PresentationCounts Counts() const;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }

    // IMFVideoDeviceID
    STDMETHODIMP GetDeviceID(IID* deviceId) override;

    // IMFClockStateSink
    STDMETHODIMP OnClockStart(MFTIME systemTime, LONGLONG startOffset) override;
    STDMETHODIMP OnClockStop(MFTIME systemTime) override;
    STDMETHODIMP OnClockPause(MFTIME systemTime) override;
    STDMETHODIMP OnClockRestart(MFTIME systemTime) override;
    STDMETHODIMP OnClockSetRate(MFTIME systemTime, float rate) override;

    // IMFVideoPresenter
    STDMETHODIMP ProcessMessage(MFVP_MESSAGE_TYPE message, ULONG_PTR parameter) override;
    STDMETHODIMP GetCurrentMediaType(IMFVideoMediaType** mediaType) override;

    // IMFRateSupport
    STDMETHODIMP GetSlowestRate(MFRATE_DIRECTION direction, BOOL thin, float* rate) override;
    STDMETHODIMP GetFastestRate(MFRATE_DIRECTION direction, BOOL thin, float* rate) override;
    STDMETHODIMP IsRateSupported(BOOL thin, float rate, float* nearestRate) override;

    // IMFGetService
    STDMETHODIMP GetService(REFGUID service, REFIID iid, LPVOID* out) override;

    // IMFTopologyServiceLookupClient
    STDMETHODIMP InitServicePointers(IMFTopologyServiceLookup* lookup) override;
    STDMETHODIMP ReleaseServicePointers() override;

    // IMFVideoDisplayControl
    STDMETHODIMP GetNativeVideoSize(SIZE* videoSize, SIZE* aspectRatioSize) override;
    STDMETHODIMP GetIdealVideoSize(SIZE* minimum, SIZE* maximum) override;
    STDMETHODIMP SetVideoPosition(const MFVideoNormalizedRect* source, const LPRECT destination) override;
    STDMETHODIMP GetVideoPosition(MFVideoNormalizedRect* source, LPRECT destination) override;
    STDMETHODIMP SetAspectRatioMode(DWORD mode) override;
    STDMETHODIMP GetAspectRatioMode(DWORD* mode) override;
    STDMETHODIMP SetVideoWindow(HWND window) override;
    STDMETHODIMP GetVideoWindow(HWND* window) override;
    STDMETHODIMP RepaintVideo() override;
    STDMETHODIMP GetCurrentImage(BITMAPINFOHEADER* header, BYTE** pixels, DWORD* size, LONGLONG* timeStamp) override;
    STDMETHODIMP SetBorderColor(COLORREF) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorderColor(COLORREF*) override { return E_NOTIMPL; }
    STDMETHODIMP SetRenderingPrefs(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetRenderingPrefs(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetFullscreen(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetFullscreen(BOOL*) override { return E_NOTIMPL; }

private:
    enum class RenderState { Started = 1, Stopped = 2, Paused = 3, Shutdown = 4 };
    enum class FrameStepState { None = 0, WaitingStart = 1, Pending = 2, Scheduled = 3, Complete = 4 };

    struct FrameStep {
        FrameStepState state = FrameStepState::None;
        VideoSampleList samples;
        DWORD steps = 0;
        // Compared only, never dereferenced: no reference is held.
        IUnknown* sampleIdentity = nullptr;
    };

    friend class com::RefCount;
    template <class Object>
    friend HRESULT com::CreateObject(Object** out);
    EVRCustomPresenter();
    ~EVRCustomPresenter();
    HRESULT Initialize();

    bool IsShutdown() const { return renderState_ == RenderState::Shutdown; }
    HRESULT ConfigureMixer(IMFTransform* mixer);
    void Notify(long code, LONG_PTR first, LONG_PTR second);

    // Output (EVRCustomPresenterOutput.cpp).
    // Gated, the loop stops asking once the gate closes.
    void ProcessOutputLoop(bool gated = false);
    void GatedOutputLoop();
    HRESULT ProcessOutput();
    HRESULT TakeOutputSample(fw::ComPtr<IMFSample>* sample, bool* reused);
    // The mixer's output into the sample, called without the presenter's
    // lock.
    HRESULT MixOutsideLock(IMFSample* sample);
    // Where the presenter stood when it let its lock go for a frame. The
    // frame goes stale when the presenter is flushed, given a new type or
    // shut down meanwhile; input announced meanwhile outdates the mixer's
    // "need more input".
    struct OutputGeneration {
        DWORD token;
        unsigned flushes;
        unsigned inputNotifies;
    };
    OutputGeneration CurrentGeneration() const;
    bool IsCurrent(const OutputGeneration& generation) const;
    // Lets a stale frame go unshown; S_FALSE.
    HRESULT DropStaleFrame(IMFSample* sample, bool reused, const OutputGeneration& generation);
    HRESULT PrepareOutputSample(IMFSample* sample, bool repaint, LONGLONG* mixStart);
    HRESULT HandleMixerFailure(HRESULT failure, IMFSample* sample, bool reused, const OutputGeneration& generation);
    HRESULT DeliverSample(IMFSample* sample, bool repaint);
    HRESULT OnSampleFree(IMFAsyncResult* result);
    HRESULT TrackSampleReturn(IMFSample* sample);
    void Flush();
    void CheckEndOfStream();
    void ReleaseResources();

    // Frame step (EVRCustomPresenterFrameStep.cpp).
    HRESULT StartFrameStep();
    HRESULT DeliverFrameStepSample(IMFSample* sample);
    HRESULT CancelFrameStep();
    void CompleteFrameStep(IMFSample* sample);

    // Media types (EVRCustomPresenterMediaType.cpp).
    HRESULT RenegotiateMediaType();
    HRESULT TryOutputType(IMFMediaType* proposed);
    HRESULT IsMediaTypeSupported(IMFMediaType* type);
    HRESULT CreateOptimalVideoType(IMFMediaType* proposed, IMFMediaType** optimal);
    HRESULT SetMediaType(IMFMediaType* type);
    HRESULT FillPool(IMFMediaType* type);
    float MaximumRate(BOOL thin);

    com::RefCount references_;
    LiveObjects<EVRCustomPresenter> live_;
    MediaFoundationSamples::AsyncCallback<EVRCustomPresenter> sampleFreeCallback_;
    RenderState renderState_ = RenderState::Shutdown;
    FrameStep frameStep_;
    CriticalSection lock_;
    std::unique_ptr<D3DPresentEngine> presentEngine_;
    Scheduler scheduler_;
    SamplePool samplePool_;
    DWORD tokenCounter_ = 0;
    unsigned flushCount_ = 0;
    unsigned inputNotifies_ = 0;
    bool sampleNotify_ = false;
    bool repaint_ = false;
    bool prerolled_ = false;
    bool endOfStream_ = false;
    MFVideoNormalizedRect sourceRect_{0.0f, 0.0f, 1.0f, 1.0f};
    std::atomic<float> rate_{1.0f};
    // Read by the display control without the lock: width in the high half.
    std::atomic<uint64_t> videoSize_{0};
    std::atomic<DWORD> aspectRatioMode_{MFVideoARMode_PreservePicture};
    std::atomic<uint64_t> pixelAspect_{(uint64_t{1} << 32) | 1};
    std::atomic<bool> outputGate_{true};
    std::atomic<int> gatedLoops_{0};
    fw::ComPtr<IMFClock> clock_;
    fw::ComPtr<IMFTransform> mixer_;
    fw::ComPtr<IMediaEventSink> mediaEventSink_;
    fw::ComPtr<IMFMediaType> mediaType_;
    // Reused for a repaint when both samples are out.
    fw::ComPtr<IMFSample> lastOutputSample_;
};
