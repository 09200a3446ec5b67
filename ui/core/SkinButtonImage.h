#pragma once

// The four images of a skinned button's strip, in strip order.
enum SkinButtonImage : int {
    kSkinImageNormal = 0,
    kSkinImageHover = 1,
    kSkinImagePressed = 2,  // also the latched look
    kSkinImageDisabled = 3,
};

constexpr int kSkinButtonImageCount = 4;

// Disabled wins over pressed (selected or checked), which wins over the
// owner's latch, which wins over the normal look.
inline SkinButtonImage ChooseSkinButtonImage(bool disabled, bool selectedOrChecked, bool latched) {
    if (disabled) {
        return kSkinImageDisabled;
    }
    if (selectedOrChecked || latched) {
        return kSkinImagePressed;
    }
    return kSkinImageNormal;
}
