#pragma once

// One gauge's needle on its timer: it follows the shown quantity's value
// in small steps, one per tick, so a jump in the data sweeps the needle.
struct GaugeNeedle {
    int shown = 0;      // where the needle rests
    int animation = 0;  // where it is while moving
    int target = 0;
    int rising = 0;
    int animating = 0;
    int drawnOnce = 0;

    // Back to the quantity's resting value, to be drawn afresh.
    void Reset(int restValue);
    // One tick towards `value` (already clamped to the quantity). True when
    // the gauge must be painted again.
    bool Tick(int quantity, int value);
    int DrawnValue() const { return animating ? animation : shown; }
};
