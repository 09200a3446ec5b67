#pragma once

#include <array>
#include <cstdint>

#include "ui/core/UiChar.h"

// The five vehicle quantities a gauge can show, in the order of the gauges'
// lists, with what turns a raw OBD word into a value, the range a needle
// covers, where it rests and how far it moves per timer tick.
enum ObdQuantity : int {
    kObdThrottle = 0,
    kObdEngineSpeed = 1,
    kObdManifoldPressure = 2,
    kObdCoolantTemperature = 3,
    kObdSpeed = 4,
    kObdQuantityCount = 5,
};

constexpr uint16_t kObdWordNoValue = 0x2020;

bool IsObdQuantity(int quantity);

// The list entry of a quantity; empty for an unknown one.
const UiChar* ObdQuantityName(int quantity);

// The quantity's value of a raw word: throttle % (w / 10), engine speed in
// hundreds (w / 100), manifold pressure, coolant degrees (w - 40) and
// speed (w). "No value" (two spaces) reads as the resting value.
int ObdValue(int quantity, uint16_t word);

// Clamps into the quantity's needle range; unknown quantities keep it.
void ClampQuantityValue(int& value, int quantity);
int ObdRangeMaximum(int quantity);
int ObdRestValue(int quantity);

// One needle step from value towards target (which must differ).
int NextNeedleValue(int quantity, int value, int target);

// The needle's angle in degrees, clockwise from straight up (0 to 360), at
// a value. The value comes from file data: it is clamped again here, so the
// table is never read outside its entries.
double NeedleAngle(int quantity, int value);

struct GaugePoint {
    int x = 0;
    int y = 0;
};

// The needle's top-left, top-right and bottom-left corners, standing
// upright over the dial's pivot, turned about it by an angle.
std::array<GaugePoint, 3> NeedleCorners(int dialWidth, int needleWidth, int needleHeight, double angleDegrees);

// Where the dials turn their needles.
constexpr int kNeedlePivotY = 108;
constexpr int kNeedleTop = 20;
