#include "ui/core/SkinButtonImage.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinButtonImage, DisabledBeatsPressedAndLatchedWhichBeatHoverWhichBeatsNormal) {
    struct Case {
        bool disabled, selected, latched, hovering;
        SkinButtonImage image;
    };
    const Case cases[] = {
        {false, false, false, false, kSkinImageNormal},  {false, false, false, true, kSkinImageHover},
        {false, false, true, false, kSkinImagePressed},  {false, false, true, true, kSkinImagePressed},
        {false, true, false, false, kSkinImagePressed},  {false, true, false, true, kSkinImagePressed},
        {false, true, true, false, kSkinImagePressed},   {true, false, false, false, kSkinImageDisabled},
        {true, false, false, true, kSkinImageDisabled},  {true, false, true, false, kSkinImageDisabled},
        {true, true, false, false, kSkinImageDisabled},  {true, true, true, true, kSkinImageDisabled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseSkinButtonImage(c.disabled, c.selected, c.latched, c.hovering), c.image)
            << c.disabled << c.selected << c.latched << c.hovering;
    }
}

}  // namespace
