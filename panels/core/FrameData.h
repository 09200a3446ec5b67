#pragma once

#include <array>
#include <cstdint>

#include "format/DataRecords.h"
#include "panels/core/InfoText.h"

// What the record under one frame hands to the panels: G values to the
// information panel and the graph, speed and position from the linked GPS
// record, and the gauges' five OBD words.

// The gauges' words, in the order the gauge window takes them.
enum ObdWordSlot : int { kWordThrottle, kWordEngineSpeed, kWordManifold, kWordCoolant, kWordSpeed, kObdWordSlots };

struct FrameData {
    bool hasRecord = false;
    double gx = kNoGValue;
    double gy = kNoGValue;
    double gz = kNoGValue;
    uint32_t manualMark = 0;
    // The rest only with a linked GPS record; otherwise the panels keep
    // what they showed.
    bool hasGps = false;
    uint32_t gpsValid = 0;
    double speed = kNoSpeed;  // the fix's speed, "no value" without a fix
    double latitude = 0.0;
    double longitude = 0.0;
    bool hasObd = false;
    std::array<uint16_t, kObdWordSlots> obdWords{};
};

FrameData ReadFrameData(const ClipRecords* records, int64_t frame);
