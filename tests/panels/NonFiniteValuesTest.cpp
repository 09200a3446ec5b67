// A recording whose number texts read as infinity or NaN, fed through
// every panel's arithmetic. Natively the sanitizers turn any such value
// reaching an integer conversion into a failure.
#include <gtest/gtest.h>

#include <cmath>

#include "ReaderTestSupport.h"
#include "panels/core/FrameData.h"
#include "panels/core/GraphPass.h"
#include "panels/core/InfoText.h"
#include "panels/core/ObdQuantities.h"
#include "support/PanelRecords.h"

namespace {

class NullSink : public GraphSink {
public:
    void Segment(int, CurvePoint from, CurvePoint to) override {
        EXPECT_TRUE(from.y >= 0 && from.y <= 186 && to.y >= 0 && to.y <= 186) << from.y << " " << to.y;
    }
    void Shade(int, int) override {}
};

TEST(NonFiniteValues, AreOutOfRangeForEveryPanel) {
    MemoryFiles files;
    const std::wstring path = L"memory/2401020340_G009.MOV";
    files.Add(path, testing_support::NonFiniteRecording());
    PlayerEngine engine;
    ASSERT_EQ(PlayerEngine::Init(&engine, nullptr, L"face"), 1);
    ASSERT_TRUE(testing_support::ShowRecording(engine, path, 35, 34.48f));
    const ClipRecords* records = engine.ShownClipReader.Records();
    EXPECT_TRUE(std::isfinite(records->largestAbsG));
    EXPECT_EQ(records->largestAbsG, 1.0);

    GraphChannels channels;
    GraphMarkers markers;
    NullSink sink;
    int placeholders = 0;
    for (int frame = 0; frame < 35; ++frame) {
        const FrameData data = ReadFrameData(records, frame);
        for (double g : {data.gx, data.gy, data.gz}) {
            EXPECT_EQ(GValueText(g).has_value(), std::isfinite(g)) << frame;
            placeholders += std::isfinite(g) ? 0 : 1;
        }
        EXPECT_EQ(SpeedText(data.gpsValid, data.speed).has_value(), std::isfinite(data.speed)) << frame;
        for (int quantity = 0; quantity < kObdQuantityCount; ++quantity) {
            NeedleAngle(quantity, ObdValue(quantity, data.obdWords[quantity]));
        }
        for (int variant = 0; variant < 4; ++variant) {
            RunGraphPass({records, frame, &channels, 1}, {656, 186, 50, 186, variant}, sink, markers);
        }
    }
    EXPECT_GT(placeholders, 0);
    PlayerEngine::Uninit(&engine);
}

}  // namespace
