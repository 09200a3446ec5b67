#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "PlayerEngine.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "panels/core/GaugeNeedle.h"
#include "panels/core/NeedleSprite.h"
#include "panels/core/ObdQuantities.h"

class CResourceImage;
class SkinImage;

// The translucent vehicle-information window: three needle gauges side by
// side, each with a list above it choosing one of five OBD quantities. The
// main window hands it the shown frame's raw words on every tick; each
// gauge moves its needle there in small steps on its own 50 ms timer. The
// lists are greyed while a clip plays.
class CObdDlg : public fw::Dialog {
public:
    static constexpr int kTemplateId = 222;
    static constexpr int kGauges = 3;
    static constexpr int kFirstListId = 1003;
    static constexpr UINT_PTR kFirstTimerId = 1000;

    explicit CObdDlg(PlayerEngine& engine = ThePlayerEngine()) : fw::Dialog(kTemplateId), engine_(engine) {}

    void SetSkin(const CResourceImage* skin) { skin_ = skin; }
    // Shows the gauges in a window of this size (placed over the parent's
    // panels the first time) with the lists back at their first choices.
    void Open(int width, int height);
    void SetValues(uint16_t throttle, uint16_t engineSpeed, uint16_t manifoldPressure, uint16_t coolant,
                   uint16_t speed);
    // The quantity's current value; 5 for an unknown quantity.
    int GetQuantityValue(int quantity) const;
    // What the window's paint draws, into any DC.
    void PaintGauges(HDC dc);

    int Quantity(int gauge) const { return quantities_[gauge]; }
    const GaugeNeedle& Needle(int gauge) const { return needles_[gauge]; }
    HWND List(int gauge) const { return lists_[gauge].Handle(); }
    int GaugeTop() const { return gaugeTop_; }

    HWND parentWindow = nullptr;  // told when the window closes
    int gpsValid = 0;             // written by the main window, not shown here

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnTimer(const fw::Message& m);
    LRESULT OnPaint(const fw::Message& m);
    LRESULT OnListChange(const fw::Message& m);
    LRESULT OnCtlColor(const fw::Message& m);
    LRESULT OnClose(const fw::Message& m);
    void PlaceOnce(int width, int height);
    void CreateLists();
    void UpdateListStates();
    bool Playing() const;
    void DrawGauge(HDC dc, int quantity, const RECT& r, int value);
    void DrawNeedle(HDC canvas, const SkinImage& dial, int quantity, int value);
    bool LoadNeedle();
    void Close();

    PlayerEngine& engine_;
    const CResourceImage* skin_ = nullptr;
    std::array<int, kObdQuantityCount> values_{};
    std::array<int, kGauges> quantities_{-1, -1, -1};
    std::array<GaugeNeedle, kGauges> needles_;
    std::array<fw::ComboBox, kGauges> lists_;
    NeedleImage needle_;
    int placedOnce_ = 0;
    int gaugeTop_ = 1;
    int listsCreated_ = 0;
};
