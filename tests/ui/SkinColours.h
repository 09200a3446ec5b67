#pragma once

#include <windows.h>

// Colours of the skin images (tools/skin/make_skin.py), as the tests probe them.
namespace skin_colours {

constexpr COLORREF kButtonFill = 0x3F3F3F;  // what shows through black
constexpr COLORREF kFace = RGB(56, 62, 73);
constexpr COLORREF kFaceHover = RGB(74, 83, 97);
constexpr COLORREF kFacePressed = RGB(38, 112, 122);
constexpr COLORREF kFaceDisabled = RGB(44, 47, 53);
constexpr COLORREF kInk = RGB(222, 227, 233);
constexpr COLORREF kThumb = RGB(206, 212, 220);
constexpr COLORREF kThumbPressed = RGB(79, 179, 191);
constexpr COLORREF kProgressFilled = RGB(0, 0, 255);
constexpr COLORREF kProgressEmpty = RGB(255, 255, 255);

// A point on a main button's face, left of its glyph, and one on a play glyph.
constexpr POINT kFacePoint{6, 16};
constexpr POINT kPlayGlyphPoint{14, 16};

}  // namespace skin_colours
