// The program's resources as the windows will find them: every skin image
// at the size its window lays out, the colour keys the drawing relies on,
// the dialog templates, icons, cursor, version and manifest.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <vector>

#include "framework/ComPtr.h"
#include "support/TestGdiplus.h"

namespace {

struct PlannedImage {
    int id;
    int width;
    int height;
};

// Every bitmap resource with the size that the layouts, panels and
// controls are built around.
const PlannedImage kBitmaps[] = {
    {129, 1120, 700}, {164, 452, 392}, {324, 452, 392}, {214, 452, 244}, {215, 240, 636}, {173, 16, 16},
    {207, 16, 16}, {213, 16, 16}, {172, 40, 20}, {193, 40, 20}, {194, 40, 20}, {198, 40, 20}, {199, 40, 20},
    {196, 40, 20}, {197, 40, 20}, {192, 40, 20}, {195, 40, 20}, {201, 868, 133}, {206, 189, 19}, {202, 308, 36},
    {218, 250, 30}, {209, 58, 18}, {210, 58, 18}, {208, 58, 18}, {203, 98, 31}, {204, 98, 31}, {205, 98, 31},
    {211, 78, 21}, {212, 168, 26}, {219, 152, 30}, {190, 30, 20}, {309, 210, 170}, {307, 210, 170},
    {320, 210, 170}, {321, 210, 170}, {325, 210, 170}, {312, 8, 88}, {313, 8, 88}, {217, 48, 12},
    {148, 128, 32}, {147, 128, 32}, {154, 128, 32}, {144, 128, 32}, {142, 128, 32}, {139, 128, 32},
    {145, 128, 32}, {153, 128, 32}, {150, 128, 32}, {200, 128, 32}, {146, 128, 32}, {138, 128, 32},
    {151, 128, 32}, {137, 128, 32}, {322, 128, 32}, {155, 184, 18}, {157, 104, 18}, {156, 104, 18},
    {174, 400, 10}, {159, 400, 10}, {160, 10, 10}, {161, 10, 10}, {167, 100, 20}, {168, 100, 20},
    {169, 10, 20}, {170, 10, 20}, {319, 12, 12}, {315, 12, 12}, {316, 12, 12}, {317, 12, 12}, {318, 12, 12},
    {163, 656, 186}, {162, 656, 186}, {188, 656, 186}, {189, 656, 186}, {176, 12, 12},
};

const PlannedImage kPngs[] = {
    {180, 32, 32}, {181, 32, 32}, {182, 32, 32}, {183, 32, 32}, {184, 32, 32},
    {185, 32, 32}, {216, 32, 32}, {221, 32, 32}, {186, 49, 32},
};

const int kDialogTemplates[] = {102, 134, 135, 136, 175, 177, 178, 220, 222, 326};

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

std::unique_ptr<Gdiplus::Bitmap> LoadBitmapResource(int id) {
    return std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromResource(Module(), MAKEINTRESOURCEW(id)));
}

std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(int id) {
    const HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(id), L"PNG");
    if (found == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(Module(), found);
    const void* bytes = LockResource(LoadResource(Module(), found));
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    fw::ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.Put()))) {
        GlobalFree(copy);
        return nullptr;
    }
    return std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromStream(stream.Get()));
}

Gdiplus::Color PixelOf(Gdiplus::Bitmap& bitmap, int x, int y) {
    Gdiplus::Color colour;
    bitmap.GetPixel(x, y, &colour);
    return colour;
}

bool IsRgb(const Gdiplus::Color& colour, BYTE r, BYTE g, BYTE b) {
    return colour.GetR() == r && colour.GetG() == g && colour.GetB() == b;
}

class SkinResources : public ::testing::Test {
protected:
    void SetUp() override { testing_support::EnsureGdiplus(); }
};

TEST_F(SkinResources, EveryBitmapLoadsAtItsPlannedSize) {
    for (const PlannedImage& planned : kBitmaps) {
        const auto image = LoadBitmapResource(planned.id);
        ASSERT_TRUE(image && image->GetLastStatus() == Gdiplus::Ok) << "bitmap " << planned.id;
        EXPECT_EQ(static_cast<int>(image->GetWidth()), planned.width) << "bitmap " << planned.id;
        EXPECT_EQ(static_cast<int>(image->GetHeight()), planned.height) << "bitmap " << planned.id;
        const HBITMAP plain = LoadBitmapW(Module(), MAKEINTRESOURCEW(planned.id));
        EXPECT_NE(plain, nullptr) << "bitmap " << planned.id;
        DeleteObject(plain);
    }
}

TEST_F(SkinResources, EveryMapMarkerLoadsAsAnAlphaPng) {
    for (const PlannedImage& planned : kPngs) {
        const auto image = LoadPngResource(planned.id);
        ASSERT_TRUE(image && image->GetLastStatus() == Gdiplus::Ok) << "PNG " << planned.id;
        EXPECT_EQ(static_cast<int>(image->GetWidth()), planned.width) << "PNG " << planned.id;
        EXPECT_EQ(static_cast<int>(image->GetHeight()), planned.height) << "PNG " << planned.id;
        EXPECT_EQ(image->GetPixelFormat(), PixelFormat32bppARGB) << "PNG " << planned.id;
        EXPECT_EQ(PixelOf(*image, 0, 0).GetA(), 0) << "PNG " << planned.id << " corner not transparent";
    }
}

TEST_F(SkinResources, KeyedImagesUseTheirTransparentColourOnlyAroundTheArtwork) {
    // Black-keyed: button strips, lamps, marks and placeholders are black
    // in the corners; white-keyed: dials and tree marks.
    for (int id : {148, 147, 193, 194, 172, 206, 209, 211, 190}) {
        const auto image = LoadBitmapResource(id);
        EXPECT_TRUE(IsRgb(PixelOf(*image, 0, 0), 0, 0, 0)) << "bitmap " << id;
    }
    for (int id : {309, 307, 320, 321, 325, 319, 315}) {
        const auto image = LoadBitmapResource(id);
        EXPECT_TRUE(IsRgb(PixelOf(*image, 0, 0), 255, 255, 255)) << "bitmap " << id;
    }
    const auto marker = LoadBitmapResource(176);
    EXPECT_TRUE(IsRgb(PixelOf(*marker, 0, 0), 0x14, 0x14, 0x28));
}

TEST_F(SkinResources, ImagesDrawnOverUnkeyedBuffersHaveNoPureBlack) {
    // Slider channels and thumbs, the window background and the copied
    // badges: a black pixel there would show the buffer behind it.
    for (int id : {174, 159, 160, 161, 167, 168, 169, 170, 129, 198, 201}) {
        const auto image = LoadBitmapResource(id);
        int blacks = 0;
        for (UINT y = 0; y < image->GetHeight(); y += 3) {
            for (UINT x = 0; x < image->GetWidth(); x += 3) {
                blacks += IsRgb(PixelOf(*image, static_cast<int>(x), static_cast<int>(y)), 0, 0, 0) ? 1 : 0;
            }
        }
        EXPECT_EQ(blacks, 0) << "bitmap " << id;
    }
}

TEST_F(SkinResources, DialogTemplatesIconsAndCursorArePresent) {
    for (int id : kDialogTemplates) {
        EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(id), RT_DIALOG), nullptr) << "template " << id;
    }
    for (int id : {128, 171}) {
        for (int size : {32, 16}) {
            const HICON icon =
                static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << "icon " << id << " at " << size;
            ICONINFO info{};
            GetIconInfo(icon, &info);
            BITMAP colour{};
            GetObjectW(info.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(colour.bmWidth, size) << "icon " << id;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
    const HCURSOR zoom = static_cast<HCURSOR>(LoadImageW(Module(), MAKEINTRESOURCEW(191), IMAGE_CURSOR, 0, 0,
                                                         LR_DEFAULTSIZE));
    EXPECT_NE(zoom, nullptr);
    DestroyCursor(zoom);
}

TEST_F(SkinResources, TheManifestAsksForCommonControls6) {
    const HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(Module(), found)));
    const std::string manifest(text, SizeofResource(Module(), found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
