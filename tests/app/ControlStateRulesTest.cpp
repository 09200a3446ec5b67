#include "app/core/ControlStateRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A clip of a three-row folder list, playing at normal speed, with its data
// loaded: every button has its ordinary meaning here.
ControlStateInputs Playing() {
    ControlStateInputs in;
    in.engineReady = true;
    in.playState = 2;
    in.speedIndex = 1;
    in.clipDataLoaded = true;
    in.rows = 3;
    in.currentIndex = 1;
    in.sourceKind = kSourceFolder;
    in.noSource = true;
    return in;
}

std::string Enabled(const ControlStates& states) {
    std::string text;
    for (int i = 0; i < kMainButtonCount; ++i) {
        if (states.enabled[i]) {
            text += (text.empty() ? "" : " ") + std::to_string(i);
        }
    }
    return text;
}

TEST(ControlStateRules, AnEmptyListLeavesOnlyOpenSourceAndTheCsvByItsOwnRule) {
    ControlStateInputs in = Playing();
    in.rows = 0;
    EXPECT_EQ(Enabled(DecideControlStates(in)), "9");
    in.noSource = false;
    EXPECT_EQ(Enabled(DecideControlStates(in)), "9 12");
}

TEST(ControlStateRules, WhilePlayingEverythingButJoinAndCsvOnAFolder) {
    EXPECT_EQ(Enabled(DecideControlStates(Playing())), "0 1 2 3 4 5 6 8 9 10 11 13");
}

TEST(ControlStateRules, PreviousAndNextFollowTheRowWhilePlaying) {
    struct Case {
        int rows;
        int index;
        bool previous;
        bool next;
    };
    for (const Case c : {Case{1, 0, false, false}, Case{3, 0, false, true}, Case{3, 2, true, false},
                         Case{3, 1, true, true}, Case{3, -1, true, true}}) {
        ControlStateInputs in = Playing();
        in.rows = c.rows;
        in.currentIndex = c.index;
        const ControlStates states = DecideControlStates(in);
        EXPECT_EQ(states.enabled[kButtonPrevious], c.previous) << c.rows << " rows, row " << c.index;
        EXPECT_EQ(states.enabled[kButtonNext], c.next) << c.rows << " rows, row " << c.index;
    }
}

TEST(ControlStateRules, SpeedButtonsStopAtTheSlowestAndFastestSteps) {
    struct Case {
        int speed;
        bool slower;
        bool faster;
    };
    for (const Case c : {Case{-4, false, true}, Case{-2, false, true}, Case{-1, true, true}, Case{1, true, true},
                         Case{2, true, true}, Case{4, true, false}}) {
        ControlStateInputs in = Playing();
        in.speedIndex = c.speed;
        const ControlStates states = DecideControlStates(in);
        EXPECT_EQ(states.enabled[kButtonSlower], c.slower) << "speed " << c.speed;
        EXPECT_EQ(states.enabled[kButtonFaster], c.faster) << "speed " << c.speed;
    }
}

TEST(ControlStateRules, TheSourceDecidesJoinDeleteAndCsv) {
    ControlStateInputs in = Playing();
    in.sourceKind = kSourceSdCard;
    in.noSource = false;
    ControlStates states = DecideControlStates(in);
    EXPECT_TRUE(states.enabled[kButtonJoin]);
    EXPECT_TRUE(states.enabled[kButtonDelete]);
    EXPECT_TRUE(states.enabled[kButtonCsv]);

    in.sourceKind = kSourceFile;
    in.noSource = true;
    states = DecideControlStates(in);
    EXPECT_FALSE(states.enabled[kButtonJoin]);
    EXPECT_FALSE(states.enabled[kButtonDelete]);
    EXPECT_FALSE(states.enabled[kButtonCsv]);
}

TEST(ControlStateRules, PausedAndStoppedClips) {
    ControlStateInputs in = Playing();
    in.playState = 3;
    EXPECT_EQ(Enabled(DecideControlStates(in)), "0 1 2 5 6 8 9 10 11 13");
    in.playState = 1;
    EXPECT_EQ(Enabled(DecideControlStates(in)), "1 2 5 6 8 9 10 11 13");
    // Until the clip's data arrive there is nothing to play, snap or zoom.
    in.clipDataLoaded = false;
    EXPECT_EQ(Enabled(DecideControlStates(in)), "1 5 9 10 11 13");
}

TEST(ControlStateRules, WithoutAnEngineAClipCountsAsStoppedWhateverTheState) {
    ControlStateInputs in = Playing();
    in.engineReady = false;
    const ControlStates states = DecideControlStates(in);
    EXPECT_FALSE(states.enabled[kButtonStop]);
    EXPECT_FALSE(states.enabled[kButtonSlower]);
    EXPECT_FALSE(states.enabled[kButtonFaster]);
    EXPECT_TRUE(states.enabled[kButtonPlay]);
}

TEST(ControlStateRules, TheLargeLayoutHidesSnapshotAndShowsZoomOutsideFullScreen) {
    ControlStateInputs in = Playing();
    ControlStates states = DecideControlStates(in);
    EXPECT_EQ(states.snapshotVisibility, Visibility::Unchanged);
    EXPECT_EQ(states.zoomVisibility, Visibility::Unchanged);

    in.sizeMode = 2;
    states = DecideControlStates(in);
    EXPECT_EQ(states.snapshotVisibility, Visibility::Hidden);
    EXPECT_EQ(states.zoomVisibility, Visibility::Shown);

    in.fullScreen = true;
    states = DecideControlStates(in);
    EXPECT_EQ(states.zoomVisibility, Visibility::Unchanged);

    // An empty list changes no visibility.
    in.rows = 0;
    states = DecideControlStates(in);
    EXPECT_EQ(states.snapshotVisibility, Visibility::Unchanged);
}

}  // namespace
