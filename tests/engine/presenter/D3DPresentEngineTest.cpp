#include <windows.h>
#include <evr.h>
#include <mfapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "D3DPresentEngine.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/PresenterFakes.h"
#include "support/PresenterTestSession.h"

namespace {

using testing_support::CloseColour;
constexpr UINT kWidth = 640;
constexpr UINT kHeight = 360;

fw::ComPtr<IDirect3DSurface9> SurfaceOf(IMFSample* sample) {
    fw::ComPtr<IMFMediaBuffer> buffer;
    fw::ComPtr<IDirect3DSurface9> surface;
    sample->GetBufferByIndex(0, buffer.Put());
    MFGetService(buffer.Get(), MR_BUFFER_SERVICE, __uuidof(IDirect3DSurface9), reinterpret_cast<void**>(surface.Put()));
    return surface;
}

// Fills the upper half red and the lower half blue, so the grab's row
// order shows.
void PaintHalves(IDirect3DSurface9* surface) {
    fw::ComPtr<IDirect3DDevice9> device;
    surface->GetDevice(device.Put());
    const RECT top{0, 0, kWidth, kHeight / 2};
    const RECT bottom{0, kHeight / 2, kWidth, kHeight};
    device->ColorFill(surface, &top, D3DCOLOR_XRGB(255, 0, 0));
    device->ColorFill(surface, &bottom, D3DCOLOR_XRGB(0, 0, 255));
}

class D3DPresentEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mediaFoundation_.Ready());
        ASSERT_EQ(engine_.Initialize(), S_OK);
        ASSERT_EQ(engine_.SetVideoWindow(window_.Handle()), S_OK);
        engine_.SetDestinationRect({0, 0, 320, 180});
    }
    std::vector<fw::ComPtr<IMFSample>> MakeSamples() {
        VideoSampleList list;
        EXPECT_EQ(engine_.CreateVideoSamples(presenter_fakes::VideoType(MFVideoFormat_RGB32, kWidth, kHeight).Get(),
                                             &list),
                  S_OK);
        std::vector<fw::ComPtr<IMFSample>> samples;
        while (!list.IsEmpty()) {
            IMFSample* sample = nullptr;
            list.RemoveFront(&sample);
            samples.push_back(fw::ComPtr<IMFSample>::Adopt(sample));
        }
        return samples;
    }

    MediaFoundationScope mediaFoundation_;
    testing_support::HostWindow window_{{0, 0, 320, 180}};
    D3DPresentEngine engine_;
};

TEST_F(D3DPresentEngineTest, PresentsIntoTheWindowAndGrabsTheLastPresentedFrame) {
    BYTE* pixels = nullptr;
    EXPECT_EQ(engine_.GrabFrame(&pixels, kWidth, kHeight), MF_E_INVALIDREQUEST) << "nothing presented yet";

    const auto samples = MakeSamples();
    PaintHalves(SurfaceOf(samples[0].Get()).Get());
    ASSERT_EQ(engine_.PresentSample(samples[0].Get(), 0), S_OK);
    EXPECT_EQ(engine_.FramesPresented(), 1);
    EXPECT_EQ(engine_.PresentSample(nullptr, 0), S_OK);

    testing_support::DibCanvas screen(320, 180);
    testing_support::CaptureWindow(window_.Handle(), screen);
    EXPECT_TRUE(CloseColour(screen.Pixel(160, 40), RGB(255, 0, 0), 8)) << "stretched into the destination";
    EXPECT_TRUE(CloseColour(screen.Pixel(160, 140), RGB(0, 0, 255), 8));

    ASSERT_EQ(engine_.GrabFrame(&pixels, kWidth, kHeight), S_OK);
    const auto* grabbed = reinterpret_cast<const DWORD*>(pixels);
    EXPECT_EQ(grabbed[0] & 0xFFFFFF, 0x0000FFu) << "bottom row first: blue";
    EXPECT_EQ(grabbed[(kHeight - 1) * kWidth] & 0xFFFFFF, 0xFF0000u) << "top row last: red";
    CoTaskMemFree(pixels);
}

// Once presented, a sample goes back to the pool and the mixer draws the
// next frames into it while a grab may be reading.
TEST_F(D3DPresentEngineTest, TheGrabKeepsThePresentedFrameWhileItsSampleIsDrawnAgain) {
    const auto samples = MakeSamples();
    const auto surface = SurfaceOf(samples[0].Get());
    PaintHalves(surface.Get());
    ASSERT_EQ(engine_.PresentSample(samples[0].Get(), 0), S_OK);
    fw::ComPtr<IDirect3DDevice9> device;
    surface->GetDevice(device.Put());
    ASSERT_EQ(device->ColorFill(surface.Get(), nullptr, D3DCOLOR_XRGB(0, 255, 0)), S_OK);

    BYTE* pixels = nullptr;
    ASSERT_EQ(engine_.GrabFrame(&pixels, kWidth, kHeight), S_OK);
    const auto* grabbed = reinterpret_cast<const DWORD*>(pixels);
    EXPECT_EQ(grabbed[0] & 0xFFFFFF, 0x0000FFu) << "the frame as presented, not the one drawn since";
    EXPECT_EQ(grabbed[(kHeight - 1) * kWidth] & 0xFFFFFF, 0xFF0000u);
    CoTaskMemFree(pixels);
}

}  // namespace
