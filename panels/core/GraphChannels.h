#pragma once

#include <array>
#include <cstdint>

#include "format/DataRecords.h"
#include "ui/core/UiChar.h"

// The G-sensor graph's eight channels: the three axes (0 X, 1 Y, 2 Z) and
// five kinds of event (3 to 7). Each channel's selector turns a frame's
// record into a marker colour 0 to 11, or -1 when the record is not one of
// the channel's.
constexpr int kGraphChannelCount = 8;
constexpr int kMarkerColourCount = 12;
constexpr int kNoMarker = -1;

namespace GraphChannelId {
constexpr int kAxisX = 0;
constexpr int kAxisY = 1;
constexpr int kAxisZ = 2;
constexpr int kFlagAt72 = 3;
constexpr int kFlagAt75 = 4;
constexpr int kFlagAt76 = 5;
constexpr int kDetection = 6;
constexpr int kEventLetter = 7;
}  // namespace GraphChannelId

// The detection flag's colour: its frames are also shaded.
constexpr int kDetectionColour = 8;

struct GraphChannel {
    int shown = 1;   // drawn, and collected on screen
    int marker = 1;  // may add entries to the event-marker list
    double scale = 0.2;  // stored for the axis channels; the drawing scales by the background
};

using GraphChannels = std::array<GraphChannel, kGraphChannelCount>;

// One COLORREF (0x00BBGGRR) per marker colour.
extern const std::array<uint32_t, kMarkerColourCount> MarkerColorTable;

// The colour a channel gives a record, or kNoMarker. The axis channels and
// channel 5 match only in event recordings (eventClip non-zero).
int SelectMarkerColour(int channel, const GSensorRecord& record, int eventClip);

// The channel whose flag a marker of this colour needs, or -1 for colours
// that need none.
int ColourFlagChannel(int colour);

// How a marker of a colour is labelled beside its line: a text or the
// marker image, lifted by a number of label rows above the graph's foot.
struct MarkerLabel {
    const UiChar* text = nullptr;  // null: no text
    bool image = false;            // the marker image instead of a text
    int rows = 0;
};

MarkerLabel MarkerLabelOf(int colour);
