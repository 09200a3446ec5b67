#pragma once

#include <windows.h>

#include <array>

#include "PlayerEngine.h"
#include "framework/DeviceContext.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "panels/core/EventMarkers.h"
#include "panels/core/GraphPass.h"

class COffScreenDC;

// The G-sensor graph: the shown clip's three G axes against time, the
// clip's events as labelled lines, detection frames shaded along the foot
// and a white line at the play position. It reads the records through the
// engine under its data lock and draws in the main window's off-screen
// buffer. A left click asks the parent for the previous event, a right
// click for the next one.
class CGSensorDlg : public fw::Dialog {
public:
    static constexpr int kTemplateId = 136;
    static constexpr int kVariants = 4;

    explicit CGSensorDlg(PlayerEngine& engine = ThePlayerEngine());
    ~CGSensorDlg() override;

    // The buffer to draw in; its font becomes the shared normal font and
    // its background mode transparent. The previous font comes back when
    // the graph goes.
    void SetSurface(COffScreenDC* surface);
    // Picks the background (0 to 3: +-0.5 g to +-2 g full scale).
    void SetBackgroundVariant(int variant);
    int BackgroundVariant() const { return variant_; }
    // The background image's width, of which the left margin holds the scale.
    int BackgroundWidth() const;

    double GetPixelsPerFrame() const;
    void DrawGraph(HDC dc);
    int IsMarkerOnset(int frame, int channel, int& colour) const;
    int AddEventMarker(EventMarkerList& list, int frame, int channel) const;

    GraphChannels channels;
    int leftMargin = 0;
    int positionRange = 0;  // the seek bar's range
    int position = 0;       // the seek bar's position
    int tileStep = 0;       // background width less the margin; 0 paints nothing
    int eventClip = 0;      // the shown clip is an event recording
    int clipOpen = 0;       // a clip's data is shown

protected:
    BOOL OnInitDialog() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    class GdiSink;

    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnLButtonUp(const fw::Message& m);
    LRESULT OnRButtonUp(const fw::Message& m);
    void PaintBackground(HDC surface, const RECT& client) const;
    void PaintPositionLine(HDC surface, const RECT& client) const;
    void DrawMarkers(HDC dc, const RECT& client);
    void DrawMarkerLabel(HDC dc, int x, int colour);
    void DrawMarkerImage(HDC dc, int x, int y);
    void Shade(HDC dc, int x, int width, int clientHeight) const;
    void RestoreDCs();

    PlayerEngine& engine_;
    fw::Pen positionPen_;
    std::array<fw::Bitmap, kVariants> backgrounds_;
    fw::Bitmap markerImage_;
    COffScreenDC* surface_ = nullptr;
    HGDIOBJ surfaceFont_ = nullptr;
    fw::MemoryDC imageDC_;
    fw::MemoryDC maskDC_;
    fw::MemoryDC backgroundDC_;
    fw::Bitmap mask_;
    HGDIOBJ imagePrevious_ = nullptr;
    HGDIOBJ maskPrevious_ = nullptr;
    HGDIOBJ backgroundPrevious_ = nullptr;
    int variant_ = 1;
    int backgroundHeight_ = 0;
    std::array<fw::Pen, 3> curvePens_;
    std::array<fw::Pen, kMarkerColourCount> markerPens_;
    GraphMarkers markers_;
    fw::MemoryDC shadingDC_;
    fw::Bitmap shadingBitmap_;
    HGDIOBJ shadingPrevious_ = nullptr;
};
