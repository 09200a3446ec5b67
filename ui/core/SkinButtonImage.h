#pragma once

// The four images of a skinned button's strip, in strip order.
enum SkinButtonImage : int {
    kSkinImageNormal = 0,
    kSkinImageHover = 1,
    kSkinImagePressed = 2,  // also the latched look
    kSkinImageDisabled = 3,
};

constexpr int kSkinButtonImageCount = 4;

// Disabled wins over pressed (selected or checked) and the owner's latch,
// which win over the hover look while the mouse rests on the button, which
// wins over the normal look.
inline SkinButtonImage ChooseSkinButtonImage(bool disabled, bool selectedOrChecked, bool latched,
                                             bool hovering = false) {
    if (disabled) {
        return kSkinImageDisabled;
    }
    if (selectedOrChecked || latched) {
        return kSkinImagePressed;
    }
    return hovering ? kSkinImageHover : kSkinImageNormal;
}
