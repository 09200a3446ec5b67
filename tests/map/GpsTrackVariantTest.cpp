#include "map/GpsTrackVariant.h"

#include <gtest/gtest.h>

#include "PageValues.h"

namespace {

GpsRecord Fix(double latitude, double longitude, int32_t time, uint32_t valid = 1) {
    GpsRecord r;
    r.latitude = latitude;
    r.longitude = longitude;
    r.time = time;
    r.valid = valid;
    return r;
}

// The array the page's script converts (VBArray or a typed array): one
// dimension from 0, coordinates as doubles, times and count as 32-bit
// integers.
TEST(GpsTrackVariant, ArrayOfVariantsFromZero) {
    const OleVariant value = ToVariant(GpsTrackArray::FromRecords({Fix(35.5, 139.7, 12), Fix(1, 2, 3, 0)}));
    ASSERT_EQ(value.Type(), 0x200C);
    LONG upper = -1;
    ASSERT_EQ(SafeArrayGetUBound(value.Get().parray, 1, &upper), S_OK);
    EXPECT_EQ(upper, 3);
    const std::vector<PageElement> elements = PageArray(value);
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0].type, VT_R8);
    EXPECT_EQ(elements[0].real, 35.5);
    EXPECT_EQ(elements[1].type, VT_R8);
    EXPECT_EQ(elements[1].real, 139.7);
    EXPECT_EQ(elements[2].type, VT_I4);
    EXPECT_EQ(elements[2].integer, 12);
    EXPECT_EQ(elements[3].type, VT_I4);
    EXPECT_EQ(elements[3].integer, 3);
}

TEST(GpsTrackVariant, NoFixIsTheSingleCountZero) {
    const std::vector<PageElement> elements = PageArray(ToVariant(GpsTrackArray()));
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].type, VT_I4);
    EXPECT_EQ(elements[0].integer, 0);
}

// The page receives the value and clears it: the array goes with it.
TEST(GpsTrackVariant, HandedOverValueOwnsItsArray) {
    OleVariant value = ToVariant(GpsTrackArray::FromRecords({Fix(35.5, 139.7, 12)}));
    VARIANT handed = value.Release();
    EXPECT_EQ(value.Type(), VT_EMPTY);
    EXPECT_EQ(handed.vt, VT_ARRAY | VT_VARIANT);
    EXPECT_EQ(VariantClear(&handed), S_OK);
}

}  // namespace
