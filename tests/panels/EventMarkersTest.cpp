#include "panels/core/EventMarkers.h"

#include <gtest/gtest.h>

#include "support/PanelRecords.h"

namespace {

using testing_support::EventRecord;
using testing_support::OneRecordPerFrame;

TEST(GraphSelectors, MatchByAxisKindAndFlag) {
    struct Case {
        int channel;
        GSensorRecord record;
        int eventClip;
        int colour;
    };
    const Case cases[] = {
        {0, EventRecord(-1, 1), 1, 0}, {0, EventRecord(-1, 1), 0, kNoMarker},  // axes need an event clip
        {2, EventRecord(-1, 3), 1, 3}, {3, EventRecord(5), 0, 5},   {4, EventRecord(6), 0, 6},
        {5, EventRecord(7), 1, 7},     {5, EventRecord(7), 0, kNoMarker},
        {6, EventRecord(-1, 0, 8), 0, 8}, {7, EventRecord(9), 0, 9}, {7, EventRecord(11), 0, 11},
        {7, EventRecord(-1), 1, kNoMarker}, {3, EventRecord(-5), 1, kNoMarker},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelectMarkerColour(c.channel, c.record, c.eventClip), c.colour) << "channel " << c.channel;
    }
}

TEST(EventMarkers, ARunGivesOneMarkerAtItsStartAndFlagsDecide) {
    std::vector<GSensorRecord> frames(40);
    for (int i = 5; i < 35; ++i) frames[i] = EventRecord(6);
    const auto records = OneRecordPerFrame(frames);
    GraphChannels channels;
    EventMarkerList list;
    CollectEventMarkers(list, records.get(), channels, 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].recordIndex, 5);
    EXPECT_EQ(list[0].channel, 4);
    EXPECT_EQ(list[0].record, &records->gsensor[5]);
    list.clear();
    EXPECT_EQ(AddEventMarker(list, records.get(), 0, 4, channels, 0), 1);  // no match: try the next channel
    EXPECT_EQ(AddEventMarker(list, records.get(), 6, 4, channels, 0), 0);  // a continuing run
    channels[4].marker = 0;                                                 // colour 6 needs channel 4's flag
    EXPECT_EQ(AddEventMarker(list, records.get(), 5, 4, channels, 0), 0);
    EXPECT_TRUE(list.empty());
}

TEST(EventMarkers, DetectionAddsBesideTheFirstMatchingChannel) {
    // Frame 1: detection and axis Z; frame 3: axis Y and kind 5.
    const auto records = OneRecordPerFrame(
        {EventRecord(-1), EventRecord(-1, 3, 8), EventRecord(-1), EventRecord(5, 2), EventRecord(-1)});
    EventMarkerList list;
    CollectEventMarkers(list, records.get(), GraphChannels{}, 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].channel, 6);
    EXPECT_EQ(list[1].channel, 2);
    EXPECT_EQ(list[2].channel, 1);
}

TEST(EventMarkers, StepsGoStrictlyPastTheFrameToShownChannelsOfTheShownClip) {
    const auto records = OneRecordPerFrame(
        {EventRecord(5), EventRecord(-1), EventRecord(6), EventRecord(-1), EventRecord(5), EventRecord(-1)});
    GraphChannels channels;
    EventMarkerList list;
    CollectEventMarkers(list, records.get(), channels, 0);
    EXPECT_EQ(NextMarkerFrame(list, records.get(), channels, 2), 4);
    EXPECT_EQ(NextMarkerFrame(list, records.get(), channels, 4), std::nullopt);
    channels[4].shown = 0;
    EXPECT_EQ(PrevMarkerFrame(list, records.get(), channels, 4), 0);
    // A list of another clip's records leads nowhere.
    const auto other = OneRecordPerFrame({EventRecord(-1), EventRecord(-1)});
    EXPECT_EQ(NextMarkerFrame(list, other.get(), channels, -1), std::nullopt);
}

TEST(FrameRecords, IndexAndLinksAreCheckedBothWays) {
    auto records = OneRecordPerFrame({EventRecord(5), EventRecord(5)});
    const auto other = OneRecordPerFrame({EventRecord(5)});
    EXPECT_EQ(FrameRecord(records.get(), -1), nullptr);
    EXPECT_EQ(FrameRecord(records.get(), 2), nullptr);
    records->frameIndex[1] = &other->gsensor[0];
    EXPECT_EQ(FrameRecord(records.get(), 1), nullptr);
    records->gsensor[0].gps = &other->gps[0];
    EXPECT_EQ(LinkedGps(records.get(), records->gsensor[0]), nullptr);
}

}  // namespace
