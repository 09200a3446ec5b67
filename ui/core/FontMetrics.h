#pragma once

// The five shared UI fonts, by nominal size in points: small, normal,
// medium, large, huge.
constexpr int kUiFontCount = 5;
constexpr int kUiFontPoints[kUiFontCount] = {9, 10, 13, 17, 22};
constexpr int kReferenceDpi = 96;

// a * b / c rounded to the nearest integer, halves away from zero, as the
// platform's MulDiv does; -1 when c is 0 or the result does not fit an int.
int MulDivRounded(int a, int b, int c);

// The LOGFONT height for a nominal size on a screen with the given logical
// DPI. The size is first divided by the horizontal scale (DPI / 96, not
// rounded) and truncated, then turned into pixels with the vertical DPI, so
// the pixel height stays close to that of 96 DPI. A screen that reports no
// horizontal DPI counts as 96.
int FontHeightForPoints(int points, int dpiX, int dpiY);
