#include "DibCanvas.h"

#include "support/MessagePump.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace testing_support {

DibCanvas::DibCanvas(int width, int height, COLORREF fill) : width_(width), height_(height), dc_(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<DWORD*>(bits);
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    Fill(fill);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_.Get(), previous_);
}

COLORREF DibCanvas::Pixel(int x, int y) const {
    GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    const DWORD value = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int DibCanvas::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

void DibCanvas::Fill(COLORREF colour) const {
    const fw::Brush brush(CreateSolidBrush(colour));
    const RECT all{0, 0, width_, height_};
    FillRect(dc_.Get(), &all, brush.Get());
}

bool DibCanvas::SaveBmp(const std::wstring& path) const {
    GdiFlush();
    const int rowBytes = (width_ * 3 + 3) & ~3;
    std::vector<unsigned char> data(static_cast<size_t>(rowBytes) * height_);
    for (int y = 0; y < height_; ++y) {
        unsigned char* row = &data[static_cast<size_t>(height_ - 1 - y) * rowBytes];
        for (int x = 0; x < width_; ++x) {
            const DWORD value = pixels_[static_cast<size_t>(y) * width_ + x];
            row[x * 3] = value & 0xFF;
            row[x * 3 + 1] = (value >> 8) & 0xFF;
            row[x * 3 + 2] = (value >> 16) & 0xFF;
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(data.size());
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&header, sizeof(header), 1, out);
    fwrite(data.data(), 1, data.size(), out);
    return fclose(out) == 0;
}

void CaptureWindow(HWND window, DibCanvas& canvas) {
    // Wine copies what is drawn into a window to the screen from its
    // message loop; give it a moment.
    GdiFlush();
    PumpUntil([] { return false; }, 300);
    RECT r{};
    GetWindowRect(window, &r);
    const fw::WindowDC screen(nullptr);
    BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen.Get(), r.left, r.top, SRCCOPY);
}

bool CloseColour(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace testing_support
