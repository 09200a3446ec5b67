#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace fw {

// An image list, destroyed with the object.
class ImageList {
public:
    ImageList() = default;
    ~ImageList() { Destroy(); }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    bool Create(int width, int height, UINT flags, int initial, int grow) {
        Destroy();
        list_ = ImageList_Create(width, height, flags, initial, grow);
        return list_ != nullptr;
    }
    void Destroy() {
        if (list_ != nullptr) {
            ImageList_Destroy(list_);
            list_ = nullptr;
        }
    }
    HIMAGELIST Handle() const { return list_; }
    // Cuts a strip into images of the list's width; mask colour transparent.
    int AddMasked(HBITMAP strip, COLORREF mask) const { return ImageList_AddMasked(list_, strip, mask); }
    int AddIcon(HICON icon) const { return ImageList_AddIcon(list_, icon); }
    int Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }
    BOOL Draw(int index, HDC dc, int x, int y, UINT style) const { return ImageList_Draw(list_, index, dc, x, y, style); }
    BOOL DrawEx(int index, HDC dc, int x, int y, int width, int height, UINT style) const {
        return ImageList_DrawEx(list_, index, dc, x, y, width, height, CLR_DEFAULT, CLR_DEFAULT, style);
    }

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace fw
