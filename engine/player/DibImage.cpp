#include "DibImage.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int32_t kMaxSide = 16384;

}  // namespace

bool ImageFromDib(const BITMAPINFOHEADER& header, const uint8_t* pixels, size_t size, CapturedImage& image) {
    const int32_t width = header.biWidth;
    const int32_t height = std::abs(header.biHeight);
    const int bytesPerPixel = header.biBitCount / 8;
    if (pixels == nullptr || header.biCompression != BI_RGB) return false;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    if (bytesPerPixel != 3 && bytesPerPixel != 4) return false;
    const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~size_t{3};
    if (size < stride * static_cast<size_t>(height)) return false;

    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    const bool topDown = header.biHeight < 0;
    for (int32_t row = 0; row < height; ++row) {
        // Stored bottom-up, as the bitmap header will say.
        const uint8_t* from = pixels + stride * static_cast<size_t>(topDown ? height - 1 - row : row);
        uint8_t* to = image.pixels.data() + static_cast<size_t>(row) * width * 4;
        if (bytesPerPixel == 4) {
            std::memcpy(to, from, static_cast<size_t>(width) * 4);
            continue;
        }
        for (int32_t x = 0; x < width; ++x) std::memcpy(to + x * 4, from + x * 3, 3);
    }
    return true;
}

bool ImageFromPackedDib(const uint8_t* dib, size_t size, CapturedImage& image) {
    if (dib == nullptr || size < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    if (header.biSize < sizeof header || header.biSize > size) return false;
    return ImageFromDib(header, dib + header.biSize, size - header.biSize, image);
}
