#include "panels/core/ObdQuantities.h"

#include <cmath>

namespace {

struct QuantityRow {
    const UiChar* name;
    int noValue;
    int maximum;
    int rest;
    int bigStep;  // the step while the target is at least this far away
};

constexpr QuantityRow kQuantities[kObdQuantityCount] = {
    {UI_TEXT("スロットル開度"), 0, 100, 0, 2},
    {UI_TEXT("エンジン回転数"), 0, 100, 0, 2},
    {UI_TEXT("インマニ圧"), 90, 220, 90, 6},
    {UI_TEXT("エンジン水温"), 0, 105, 0, 2},
    {UI_TEXT("スピード"), 0, 300, 0, 8},
};

// Speed has a middle step before the last single ones.
constexpr int kSpeedMiddleStep = 2;
constexpr int kManifoldOffset = 101;
constexpr double kManifoldBase = 90.0;
constexpr int kCoolantOffset = 40;

// The dials' calibration: angles at some values, straight lines between
// (the skin generator draws the scale marks from the same anchors).
struct Anchor {
    int value;
    double angle;  // degrees, clockwise from straight up
};

constexpr double Signed(double angle) { return angle > 180.0 ? angle - 360.0 : angle; }

template <int Maximum, size_t Count>
constexpr std::array<double, Maximum + 1> AngleTable(const Anchor (&anchors)[Count]) {
    std::array<double, Maximum + 1> table{};
    for (int value = 0; value <= Maximum; ++value) {
        for (size_t i = 0; i + 1 < Count; ++i) {
            const Anchor low = anchors[i];
            const Anchor high = anchors[i + 1];
            if (value < low.value || value > high.value) {
                continue;
            }
            const double a = Signed(low.angle);
            const double b = Signed(high.angle);
            const double angle = a + (b - a) * (value - low.value) / (high.value - low.value);
            table[value] = angle < 0.0 ? angle + 360.0 : angle;
            break;
        }
    }
    return table;
}

constexpr Anchor kPercentAnchors[] = {{0, 261.5}, {25, 311.5}, {50, 0.0}, {75, 48.5}, {100, 99.0}};
constexpr Anchor kManifoldAnchors[] = {{0, 251.5}, {100, 350.0}, {110, 0.0}, {220, 108.0}};
constexpr Anchor kCoolantAnchors[] = {{0, 261.5}, {25, 312.0}, {50, 0.0}, {100, 99.0}, {105, 108.0}};
constexpr Anchor kSpeedAnchors[] = {{0, 261.5}, {50, 294.5}, {150, 0.0}, {300, 99.0}};

// Throttle and engine speed share one table.
constexpr auto kPercentAngles = AngleTable<100>(kPercentAnchors);
constexpr auto kManifoldAngles = AngleTable<220>(kManifoldAnchors);
constexpr auto kCoolantAngles = AngleTable<105>(kCoolantAnchors);
constexpr auto kSpeedAngles = AngleTable<300>(kSpeedAnchors);

template <size_t Size>
double Lookup(const std::array<double, Size>& table, int value) {
    if (value < 0 || static_cast<size_t>(value) >= Size) {
        return table[0];
    }
    return table[static_cast<size_t>(value)];
}

int StepTowards(int value, int target, int bigStep, int middleStep) {
    const int direction = target > value ? 1 : -1;
    for (int step : {bigStep, middleStep}) {
        const int next = value + direction * step;
        if (direction > 0 ? next <= target : next >= target) {
            return next;
        }
    }
    return value + direction;
}

}  // namespace

bool IsObdQuantity(int quantity) { return quantity >= 0 && quantity < kObdQuantityCount; }

const UiChar* ObdQuantityName(int quantity) {
    return IsObdQuantity(quantity) ? kQuantities[quantity].name : UI_TEXT("");
}

int ObdValue(int quantity, uint16_t word) {
    if (!IsObdQuantity(quantity)) {
        return 0;
    }
    if (word == kObdWordNoValue) {
        return kQuantities[quantity].noValue;
    }
    const unsigned w = word;
    switch (quantity) {
    case kObdThrottle:
        return static_cast<int>(w / 10u);
    case kObdEngineSpeed:
        return static_cast<int>(w / 100u);
    case kObdManifoldPressure:
        return static_cast<int>((static_cast<int>(w) - kManifoldOffset) / 100.0 * 100.0 + kManifoldBase);
    case kObdCoolantTemperature:
        return static_cast<int>(w) - kCoolantOffset;
    default:
        return static_cast<int>(w);
    }
}

void ClampQuantityValue(int& value, int quantity) {
    if (!IsObdQuantity(quantity)) {
        return;
    }
    if (value < 0) {
        value = 0;
    } else if (value > kQuantities[quantity].maximum) {
        value = kQuantities[quantity].maximum;
    }
}

int ObdRangeMaximum(int quantity) { return IsObdQuantity(quantity) ? kQuantities[quantity].maximum : 0; }

int ObdRestValue(int quantity) { return IsObdQuantity(quantity) ? kQuantities[quantity].rest : 0; }

int NextNeedleValue(int quantity, int value, int target) {
    if (value == target || !IsObdQuantity(quantity)) {
        return target;
    }
    const int bigStep = kQuantities[quantity].bigStep;
    const int middleStep = quantity == kObdSpeed ? kSpeedMiddleStep : bigStep;
    return StepTowards(value, target, bigStep, middleStep);
}

double NeedleAngle(int quantity, int value) {
    ClampQuantityValue(value, quantity);
    switch (quantity) {
    case kObdThrottle:
    case kObdEngineSpeed:
        return Lookup(kPercentAngles, value);
    case kObdManifoldPressure:
        return Lookup(kManifoldAngles, value);
    case kObdCoolantTemperature:
        return Lookup(kCoolantAngles, value);
    case kObdSpeed:
        return Lookup(kSpeedAngles, value);
    default:
        return 0.0;
    }
}

std::array<GaugePoint, 3> NeedleCorners(int dialWidth, int needleWidth, int needleHeight, double angleDegrees) {
    const int cx = dialWidth / 2;
    const int left = cx - needleWidth / 2;
    const GaugePoint upright[3] = {
        {left, kNeedleTop}, {left + needleWidth, kNeedleTop}, {left, kNeedleTop + needleHeight}};
    const double radians = angleDegrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    std::array<GaugePoint, 3> turned;
    for (int i = 0; i < 3; ++i) {
        const double dx = upright[i].x - cx;
        const double dy = upright[i].y - kNeedlePivotY;
        turned[i] = {cx + static_cast<int>(dx * c - dy * s), kNeedlePivotY + static_cast<int>(dx * s + dy * c)};
    }
    return turned;
}
