#pragma once

#include <optional>

#include "format/CalendarTime.h"
#include "ui/core/UiChar.h"

// The information panel's texts. Each gives nothing where the panel shows
// a placeholder image instead.

// -5.0 g and below mean "no value".
constexpr double kNoGValue = -5.0;
constexpr double kNoSpeed = -1.0;

// "1.23G": truncated toward zero to hundredths, so -0.005 reads "0.00G".
// Nothing for "no value" and for values out of range, infinite or not a
// number (all of which a file's number text can give).
std::optional<UiString> GValueText(double g);

// "40 ": the speed in whole km/h, at most 999, with a trailing space.
// Nothing without a valid fix or with a speed that is negative or not a
// finite number.
std::optional<UiString> SpeedText(int gpsValid, double speed);

// "2024/01/02 03:04:05" for the frame's time: the recording's start plus
// frame x frame duration. Years from 2050 are printed 35 lower. Nothing for
// a zero time, year 0 or a time that cannot be formed.
std::optional<UiString> DateTimeText(const SystemTime& start, int frame, float frameDurationMs);
