#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "map/core/MapLoaderUrl.h"
#include "map/core/MapScripts.h"
#include "map/core/MapUpdateMessage.h"
#include "map/core/MarkNames.h"
#include "ui/core/UiTextTable.h"

namespace {

MapUpdateMessage Update(double latitude, double longitude, const UiChar* status) {
    MapUpdateMessage m;
    m.latitude = latitude;
    m.longitude = longitude;
    m.status = status;
    return m;
}

TEST(MapUpdateMessage, KeysInSortedOrderWithoutACommaBeforeTheEnd) {
    EXPECT_EQ(Update(35.5, 139.7, UI_TEXT("pause")).ToJson(),
              UI_TEXT("{\"map_lat\":\"35.500000\",\"map_lng\":\"139.700000\",\"map_status\":\"pause\",")
              UI_TEXT("\"val_command\":\"update\",\"val_end\":\"\"}"));
    EXPECT_EQ(Update(-33.86882, -151.209296, UI_TEXT("")).ToJson(),
              UI_TEXT("{\"map_lat\":\"-33.868820\",\"map_lng\":\"-151.209296\",\"map_status\":\"\",")
              UI_TEXT("\"val_command\":\"update\",\"val_end\":\"\"}"));
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

TEST(MapScripts, FixedStatements) {
    EXPECT_EQ(UiString(MapScript::kClearCrashPos), UI_TEXT("cplist.ClearCrashPos()"));
    EXPECT_EQ(UiString(MapScript::kRemoveLineList), UI_TEXT("orbitgrplist.RemoveLineList()"));
    EXPECT_EQ(UiString(MapScript::kCreateLine), UI_TEXT("orbitgrplist.CreateLine()"));
    EXPECT_EQ(UiString(MapScript::kMoveMarker), UI_TEXT("orbitgrplist.MoveMarker()"));
    EXPECT_EQ(MapScript::CreateGridLine(0), UI_TEXT("orbitgrplist.CreateGridLine(0)"));
    EXPECT_EQ(MapScript::CreateGridLine(17), UI_TEXT("orbitgrplist.CreateGridLine(17)"));
    EXPECT_EQ(MapScript::CreateGridLine(-1), UI_TEXT("orbitgrplist.CreateGridLine(-1)"));
}

TEST(MapScripts, EventPointWithItsTwelveArgumentsInOrder) {
    MapScript::CrashPosition p;
    p.color = 11;
    p.levelX = -0.423;
    p.levelY = 0.045;
    p.levelZ = 1.0;
    p.file = 0;
    p.grid = 3;
    p.position = 41;
    p.latitude = 35.685507;
    p.longitude = -139.763222;
    p.valid = 1;
    p.speed = 40.0;
    p.direction = 0.0;
    EXPECT_EQ(MapScript::AddCrashPos(p),
              UI_TEXT("cplist.AddCrashPos(11,-0.423000,0.045000,1.000000,0,3,41,35.685507,-139.763222,1,40.000000,")
              UI_TEXT("0.000000)"));
}

TEST(MapStatus, TextByPlayState) {
    EXPECT_EQ(MapStatus::ForState(0), UiString());
    EXPECT_EQ(MapStatus::ForState(1), UiString(UI_TEXT("pause")));
    EXPECT_EQ(MapStatus::ForState(2), UiString(UI_TEXT("stop")));
    EXPECT_FALSE(MapStatus::ForState(3).has_value()) << "other states keep the window's text";
    EXPECT_FALSE(MapStatus::ForState(-1).has_value());
}

TEST(MarkNames, KindsZeroToElevenHaveNames) {
    const std::array<const UiChar*, 12> expected = {
        UI_TEXT("急加速"),       UI_TEXT("急ブレーキ"),
        UI_TEXT("急ハンドル"),   UI_TEXT("急下降"),
        UI_TEXT("急上昇"),       UI_TEXT("マニュアル録画"),
        UI_TEXT("緊急録画停止"), UI_TEXT("駐車監視"),
        UI_TEXT("速度超過"),     UI_TEXT("ドライブサポート　急ハンドル"),
        UI_TEXT("ドライブサポート　急加速"), UI_TEXT("ドライブサポート　急ブレーキ"),
    };
    for (int kind = 0; kind < 12; ++kind) {
        const int slot = MarkNameSlot(kind);
        ASSERT_GE(slot, 0) << kind;
        EXPECT_EQ(UiString(UiTextTable[0][slot]), expected[static_cast<size_t>(kind)]) << kind;
    }
    for (int kind : {12, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(MarkNameSlot(kind), -1) << kind;
    }
}

TEST(MapLoaderUrl, ProviderPathWithTheKey) {
    EXPECT_EQ(MapLoaderUrl(UI_TEXT("maps.example"), UI_TEXT("K123")),
              UI_TEXT("https://maps.example/maps/api/js?key=K123&v=3&sensor=false&callback=loadLibs"));
    const UiString key = MapApiKey();
    EXPECT_EQ(key.size(), 39u);
    EXPECT_EQ(key.find(UiChar(0)), UiString::npos);
}

TEST(MapLoaderUrl, WipedKeyKeepsItsLengthAsZeros) {
    UiString key = MapApiKey();
    WipeText(key);
    EXPECT_EQ(key, UiString(39, UiChar(0)));
}

}  // namespace
