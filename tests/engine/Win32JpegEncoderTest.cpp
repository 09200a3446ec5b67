#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include "platform/JpegEncoder.h"

namespace {

// GDI+ for the length of a test, as the application holds it for its run.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// GDI+'s built-in JPEG encoder.
constexpr CLSID kJpegEncoder = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

TEST(Win32JpegEncoder, FoundAmongTheImageEncoders) {
    GdiplusSession gdiplus;
    ASSERT_TRUE(gdiplus.started());
    CLSID found{};
    const int32_t place = GetJpegEncoderClsid(&found);
    EXPECT_EQ(place, 1) << "bmp, jpeg, gif, tiff, png";
    EXPECT_TRUE(IsEqualCLSID(found, kJpegEncoder));
}

}  // namespace
