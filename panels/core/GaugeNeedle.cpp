#include "panels/core/GaugeNeedle.h"

#include "panels/core/ObdQuantities.h"

void GaugeNeedle::Reset(int restValue) {
    shown = restValue;
    animation = 0;
    target = 0;
    rising = 0;
    animating = 0;
    drawnOnce = 0;
}

bool GaugeNeedle::Tick(int quantity, int value) {
    if (animating) {
        if (animation != target) {
            animation = NextNeedleValue(quantity, animation, target);
            return true;
        }
        shown = animation;
        rising = 0;
        animating = 0;
        return false;
    }
    if (value == shown && drawnOnce) {
        return false;
    }
    animation = shown;
    target = value;
    if (animation != target) {
        rising = shown < target ? 1 : 0;
        animation = NextNeedleValue(quantity, animation, target);
        animating = 1;
    }
    drawnOnce = 1;
    return true;
}
