#include "ui/drawing/CLapTimeArea.h"

#include "ui/drawing/COffScreenDC.h"

CLapTimeArea::~CLapTimeArea() {
    RestoreFont();
}

void CLapTimeArea::UseBuffer(COffScreenDC* buffer, HFONT font) {
    RestoreFont();
    buffer_ = buffer;
    if (buffer_ != nullptr && buffer_->GetDC() != nullptr) {
        savedFont_ = SelectObject(buffer_->GetDC(), font);
    }
}

void CLapTimeArea::RestoreFont() {
    if (buffer_ != nullptr && savedFont_ != nullptr && buffer_->GetDC() != nullptr) {
        SelectObject(buffer_->GetDC(), savedFont_);
    }
    savedFont_ = nullptr;
}
