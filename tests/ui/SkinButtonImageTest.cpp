#include "ui/core/SkinButtonImage.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinButtonImage, DisabledBeatsPressedBeatsLatchedBeatsNormal) {
    struct Case {
        bool disabled, selected, latched;
        SkinButtonImage image;
    };
    const Case cases[] = {
        {false, false, false, kSkinImageNormal},   {false, false, true, kSkinImagePressed},
        {false, true, false, kSkinImagePressed},   {false, true, true, kSkinImagePressed},
        {true, false, false, kSkinImageDisabled},  {true, false, true, kSkinImageDisabled},
        {true, true, false, kSkinImageDisabled},   {true, true, true, kSkinImageDisabled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseSkinButtonImage(c.disabled, c.selected, c.latched), c.image)
            << c.disabled << c.selected << c.latched;
    }
}

}  // namespace
