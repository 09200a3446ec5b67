#pragma once

// Width of the filled part of the progress bar: width x position /
// (maximum - minimum), truncated; nothing for an empty range, never more
// than the bar nor less than nothing.
int ProgressFilledWidth(int position, int minimum, int maximum, int width);
