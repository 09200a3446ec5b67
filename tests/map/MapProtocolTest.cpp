#include <gtest/gtest.h>

#include <cmath>

#include "map/core/MapLoaderUrl.h"
#include "map/core/MapScripts.h"
#include "map/core/MapUpdateMessage.h"
#include "map/core/MarkNames.h"

namespace {

MapUpdateMessage Update(double latitude, double longitude, const UiChar* status) {
    MapUpdateMessage m;
    m.latitude = latitude;
    m.longitude = longitude;
    m.status = status;
    return m;
}

// "%f" keeps six decimals, rounded, and a value from a damaged file is
// written whole rather than cut off mid-message.
TEST(MapUpdateMessage, CoordinatesAsSixDecimalsAtAnySize) {
    EXPECT_NE(Update(0.0000004, 0.0000006, UI_TEXT("stop")).ToJson().find(
                  UI_TEXT("\"map_lat\":\"0.000000\",\"map_lng\":\"0.000001\",\"map_status\":\"stop\"")),
              UiString::npos);
    const UiString huge = Update(1e300, 0.0, UI_TEXT("")).ToJson();
    EXPECT_GT(huge.size(), 300u);
    EXPECT_NE(huge.find(UI_TEXT(".000000\",\"map_lng\":\"0.000000\"")), UiString::npos);
    const UiString end = UI_TEXT(",\"val_end\":\"\"}");
    EXPECT_EQ(huge.substr(huge.size() - end.size()), end);
}

TEST(MapStatus, TextByPlayState) {
    EXPECT_EQ(MapStatus::ForState(0), UiString());
    EXPECT_EQ(MapStatus::ForState(1), UiString(UI_TEXT("pause")));
    EXPECT_EQ(MapStatus::ForState(2), UiString(UI_TEXT("stop")));
    EXPECT_FALSE(MapStatus::ForState(3).has_value()) << "other states keep the window's text";
    EXPECT_FALSE(MapStatus::ForState(-1).has_value());
}

TEST(MarkNames, KindsOutsideTheTableHaveNoSlot) {
    EXPECT_GE(MarkNameSlot(11), 0);
    for (int kind : {12, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(MarkNameSlot(kind), -1) << kind;
    }
}

TEST(MapLoaderUrl, ProviderPathWithTheKey) {
    EXPECT_EQ(MapLoaderUrl(UI_TEXT("maps.example"), UI_TEXT("K123")),
              UI_TEXT("https://maps.example/maps/api/js?key=K123&v=3&sensor=false&callback=loadLibs"));
}

}  // namespace
