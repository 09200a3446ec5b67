#include "framework/FileFilter.h"

#include <gtest/gtest.h>

namespace {

using Filter = std::u16string;

TEST(FileFilter, PipesBecomeNulsAndTheListEndsInTwo) {
    const Filter converted =
        fw::ToNulSeparatedFilter<char16_t>(u"Movie Files(*.mov;*.mp4)|*.mov;*mp4|All Files(*.*)|*.*||");
    const Filter expected(u"Movie Files(*.mov;*.mp4)\0*.mov;*mp4\0All Files(*.*)\0*.*\0\0", 56);
    EXPECT_EQ(converted, expected);
}

TEST(FileFilter, AnUnclosedFilterIsClosed) {
    EXPECT_EQ(fw::ToNulSeparatedFilter<char16_t>(u"A|*.a"), Filter(u"A\0*.a\0\0", 7));
    EXPECT_EQ(fw::ToNulSeparatedFilter<char16_t>(u"A|*.a|"), Filter(u"A\0*.a\0\0", 7));
    EXPECT_EQ(fw::ToNulSeparatedFilter<char16_t>(u""), Filter(u"\0\0", 2));
}

}  // namespace
