#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "format/CalendarTime.h"
#include "framework/Dialog.h"
#include "panels/core/InfoText.h"
#include "ui/controls/CSkinButton.h"

class COffScreenDC;
class CResourceImage;

// The information panel: the shown frame's date and time, speed and G
// values, the playback-speed text and the status images, with one toggle
// per G axis that switches the axis's graph marks through the parent.
// The main window writes the fields on every tick and asks it to repaint.
// Layouts 0 and 1 paint the panel's own window; layout 2 paints a one-line
// status strip into the main window instead.
class CInfoDlg : public fw::Dialog {
public:
    static constexpr int kTemplateId = 135;
    static constexpr int kToggleCount = 3;
    static constexpr int kFirstToggleId = 38600;

    CInfoDlg() : fw::Dialog(kTemplateId) {}
    ~CInfoDlg() override;

    // The buffer to draw in, with the skin images; the buffer's font is put
    // back when the panel goes.
    void SetSurface(COffScreenDC* surface, const CResourceImage* skin);

    BOOL DrawPanel(HDC target);
    void DrawContents(HDC dc);
    BOOL DrawDateTime(HDC dc, const RECT& r, UINT format);
    BOOL DrawSpeed(HDC dc, const RECT& r, int numberMargin, int unitOffset, HFONT unitFont);
    void DrawGValues(HDC dc, HFONT font, int x, int y, int rowOffset, int columnStep, int valueX, int valueWidth,
                     int valueHeight, int labelX);
    void DrawCornerImage(HDC target);
    void DrawStatusLine(HDC target);
    void Reset();

    HWND Toggle(int k) const { return toggles_[k].Handle(); }
    bool ToggleOn(int k) const { return toggles_[k].latched != 0; }

    int dateTimeFlag = 0;  // the recording's start time is known
    double gx = kNoGValue;
    double gy = kNoGValue;
    double gz = kNoGValue;
    int gpsValid = 0;
    double speed = kNoSpeed;
    int layoutMode = 0;
    std::wstring speedText;  // the playback speed, empty at normal speed
    SystemTime startTime;
    int qualityCode = 0;  // 1 to 6 pick a quality image
    int frameIndex = -1;
    float frameDuration = 0.0f;  // ms per frame
    // Written by the main window, not shown here.
    int totalFrames = 0;
    uint32_t manualMark = 0;

protected:
    BOOL OnInitDialog() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnToggleButton(const fw::Message& m);
    void DrawLayout0(HDC dc, const RECT& client);
    void DrawLayout1(HDC dc, const RECT& client);
    void ShowToggles(bool shown) const;
    bool DrawSkinImage(HDC dc, int id, int x, int y) const;
    RECT ParentClient() const;

    COffScreenDC* surface_ = nullptr;
    HGDIOBJ surfaceFont_ = nullptr;
    const CResourceImage* skin_ = nullptr;
    std::array<CSkinButton, kToggleCount> toggles_;
};
