#include <gtest/gtest.h>

#include <cmath>

#include "app/core/CrashPositions.h"
#include "app/core/MapAreaRule.h"

namespace {

struct MapAreaCase {
    MapAreaInputs in;
    bool callShowMap;
    bool showArgument;
    MapPicture picture;
};

TEST(MapArea, ShowsTheMapOnlyForAShownClipWithGpsOnline) {
    //                 gps    online has   index  parking mode full   seen
    const MapAreaCase cases[] = {
        {{true, true, true, true, false, 0, false, true}, true, true, MapPicture::None},
        {{true, true, true, true, false, 0, true, true}, true, false, MapPicture::None},
        {{true, true, true, true, false, 1, false, true}, false, false, MapPicture::None},
        {{true, true, true, true, true, 0, false, true}, false, false, MapPicture::Placeholder},
        {{false, true, true, true, false, 0, false, true}, false, false, MapPicture::Placeholder},
        {{true, false, true, true, false, 0, false, true}, false, false, MapPicture::Offline},
        {{true, false, true, true, false, 0, false, false}, false, false, MapPicture::Placeholder},
        {{true, false, true, true, false, 0, true, true}, false, false, MapPicture::None},
        {{true, true, false, true, false, 2, false, true}, false, false, MapPicture::None},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const MapAreaChoice choice = ChooseMapArea(cases[i].in);
        EXPECT_EQ(choice.callShowMap, cases[i].callShowMap) << i;
        EXPECT_EQ(choice.showArgument, cases[i].showArgument) << i;
        EXPECT_EQ(choice.hideMap, !cases[i].callShowMap) << i;
        EXPECT_EQ(choice.picture, cases[i].picture) << i;
    }
}

// Four markers: (0, 0), a marker flag off, a position read as infinity, and
// one with a G value read as NaN; then one whose GPS link is gone.
TEST(CrashPositions, WalkBackToFrontSkippingWhatSendsNoPoint) {
    ClipRecords records;
    records.gsensor.resize(4);
    records.gps.resize(4);
    for (int i = 0; i < 4; ++i) {
        records.gsensor[i].gps = &records.gps[i];
        records.gsensor[i].time = 10 * i;
        records.gps[i] = {i, 10 * i, 1, nullptr, nullptr, 35.5, 139.25, 40.0};
    }
    records.gps[0].latitude = records.gps[0].longitude = 0.0;
    records.gps[2].latitude = HUGE_VAL;
    records.gsensor[3].x = std::nan("");
    EventMarkerList list;
    for (int i = 0; i < 4; ++i) list.push_back({i, 5, i == 1 ? 4 : 3, &records.gsensor[i]});
    GraphChannels channels;
    channels[4].marker = 0;

    const CrashPositionWalk walk = CrashPositionScripts(list, &records, channels, 7);
    EXPECT_TRUE(walk.complete);
    ASSERT_EQ(walk.scripts.size(), 1u);
    const std::string expected =
        "cplist.AddCrashPos(5,-5.000000,0.000000,0.000000,0,7,30,35.500000,139.250000,1,40.000000,0.000000)";
    EXPECT_EQ(walk.scripts[0], UiString(expected.begin(), expected.end()));

    records.gsensor[0].gps = nullptr;
    EXPECT_FALSE(CrashPositionScripts(list, &records, channels, 7).complete);
}

}  // namespace
