#pragma once

// A rectangle in plain ints, for the layout arithmetic that is kept free of
// the platform's headers (RECT converts in ui/shared/PlainRectConversion.h).
struct PlainRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PlainRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
