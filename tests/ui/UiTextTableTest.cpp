#include "ui/core/UiTextTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Restores the text row a test switched.
class TextRowScope {
public:
    explicit TextRowScope(int row) : saved_(UiTextVariant.exchange(row)) {}
    ~TextRowScope() { UiTextVariant = saved_; }

private:
    int saved_;
};

UiString Slot(int row, int slot) {
    const UiChar* text = UiTextTable[row][slot];
    return text ? UiString(text) : UiString();
}

TEST(UiTextTable, BothRowsFillSlots0To143AndLeaveTheRestEmpty) {
    for (int row = 0; row < kUiTextRows; ++row) {
        for (int slot = 0; slot < kUiTextSlots; ++slot) {
            const bool filled = UiTextTable[row][slot] != nullptr && UiTextTable[row][slot][0] != 0;
            EXPECT_EQ(filled, slot < kUiTextFilledSlots) << "row " << row << " slot " << slot;
        }
    }
}

TEST(UiTextTable, RowsDifferExactlyInTheRewordedSlots) {
    const std::set<int> expected = {1, 10, 12, 19, 44, 68, 69, 70, 84, 85, 86, 89, 90, 95, 126, 129};
    std::set<int> differing;
    for (int slot = 0; slot < kUiTextSlots; ++slot) {
        if (Slot(0, slot) != Slot(1, slot)) {
            differing.insert(slot);
        }
    }
    EXPECT_EQ(differing, expected);
}

TEST(UiTextTable, SlotsWithFixedRolesHoldTheirTexts) {
    struct Case {
        int slot;
        const UiChar* row0;
        const UiChar* row1;
    };
    const Case cases[] = {
        {0, UI_TEXT("閉じる"), UI_TEXT("閉じる")},
        {1, UI_TEXT("動画"), UI_TEXT("結合")},
        {5, UI_TEXT("回転 180°"), UI_TEXT("回転 180°")},
        {25, UI_TEXT("衝撃＋マニュアル"), UI_TEXT("衝撃＋マニュアル")},
        {26, UI_TEXT("常時"), UI_TEXT("常時")},
        {37, UI_TEXT("%d個"), UI_TEXT("%d個")},
        {48, UI_TEXT("完了しました。"), UI_TEXT("完了しました。")},
        {68, UI_TEXT("ドライブサポート\u3000急加速"), UI_TEXT("ドライブアシスト\u3000急加速")},
        {70, UI_TEXT("ドライブサポート\u3000急ハンドル"), UI_TEXT("ドライブアシスト\u3000急ハンドル")},
        {91, UI_TEXT("フルスクリーン（縦横比を維持）"), UI_TEXT("フルスクリーン（縦横比を維持）")},
        {93, UI_TEXT("同名のファイルが存在します。続行しますか？"), UI_TEXT("同名のファイルが存在します。続行しますか？")},
        {98, UI_TEXT("フォルダパスの取得に失敗しました。"), UI_TEXT("フォルダパスの取得に失敗しました。")},
        {107,
         UI_TEXT("新しいバージョンのソフトを利用できます。\r\nダウンロードする場合は下記URLをクリックしてください。"),
         UI_TEXT("新しいバージョンのソフトを利用できます。\r\nダウンロードする場合は下記URLをクリックしてください。")},
        {113, UI_TEXT("メイリオ"), UI_TEXT("メイリオ")},
        {114, UI_TEXT("コーデックとスプリッターをインストールしてください。"),
         UI_TEXT("コーデックとスプリッターをインストールしてください。")},
        {126, UI_TEXT("駐車監視衝撃"), UI_TEXT("駐車監視")},
        {129, UI_TEXT("加速度グラフ/マップアイコン表示設定"), UI_TEXT("表示設定")},
        {130, UI_TEXT("速度超過"), UI_TEXT("速度超過")},
        {141, UI_TEXT("駐車衝撃"), UI_TEXT("駐車衝撃")},
        {142, UI_TEXT("ファイル数を減らしてください。"), UI_TEXT("ファイル数を減らしてください。")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Slot(0, c.slot), c.row0) << "slot " << c.slot;
        EXPECT_EQ(Slot(1, c.slot), c.row1) << "slot " << c.slot;
    }
}

TEST(UiTextTable, TheIdeographicSpaceAndLineBreakAreSingleCharacters) {
    EXPECT_EQ(Slot(0, 69).find(UiChar(0x3000)), 8u);
    const UiString notice = Slot(0, 107);
    const size_t cr = notice.find(UiChar('\r'));
    ASSERT_NE(cr, UiString::npos);
    EXPECT_EQ(notice[cr + 1], UiChar('\n'));
    EXPECT_EQ(notice.find(UiChar('\\')), UiString::npos);
}

TEST(UiText, ReadsTheCurrentRowAndTreatsEmptySlotsAsEmptyText) {
    {
        TextRowScope row(0);
        EXPECT_EQ(UiString(UiText(1)), UI_TEXT("動画"));
    }
    {
        TextRowScope row(1);
        EXPECT_EQ(UiString(UiText(1)), UI_TEXT("結合"));
        EXPECT_EQ(UiString(UiText(130)), UI_TEXT("速度超過"));
    }
    EXPECT_EQ(UiString(UiText(144)), UI_TEXT(""));
    EXPECT_EQ(UiString(UiText(259)), UI_TEXT(""));
    EXPECT_EQ(UiString(UiText(260)), UI_TEXT(""));
    EXPECT_EQ(UiString(UiText(-1)), UI_TEXT(""));
}

}  // namespace
