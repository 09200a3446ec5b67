#include "ui/shared/UiFonts.h"

#include <cwchar>

#include "framework/DeviceContext.h"
#include "ui/core/FontMetrics.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/ProgramFolder.h"

HFONT g_fontSmall = nullptr;
HFONT g_fontNormal = nullptr;
HFONT g_fontMedium = nullptr;
HFONT g_fontLarge = nullptr;
HFONT g_fontHuge = nullptr;

namespace {

constexpr LANGID kEnglishUnitedStates = 0x0409;

HFONT* const kSharedFonts[kUiFontCount] = {&g_fontSmall, &g_fontNormal, &g_fontMedium, &g_fontLarge, &g_fontHuge};

}  // namespace

LOGFONTW UiFontDescription(int points, int dpiX, int dpiY, const wchar_t* face) {
    LOGFONTW font{};
    font.lfHeight = FontHeightForPoints(points, dpiX, dpiY);
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    // Cut to the field, always terminated.
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

int InitUiFontsAndFolder(HWND mainWindow) {
    const fw::WindowDC dc(mainWindow);
    if (dc.Get() == nullptr) {
        return 0;
    }
    const int dpiX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    if (GetUserDefaultLangID() == kEnglishUnitedStates) {
        UiTextVariant = 1;
    }
    DeleteUiFonts();  // a second start-up replaces the fonts instead of leaking them
    for (int i = 0; i < kUiFontCount; ++i) {
        const LOGFONTW font = UiFontDescription(kUiFontPoints[i], dpiX, dpiY, UiText(kSlotFontFace));
        *kSharedFonts[i] = CreateFontIndirectW(&font);
    }
    RecordProgramFolder();
    return 1;
}

void DeleteUiFonts() {
    for (HFONT* font : kSharedFonts) {
        if (*font != nullptr) {
            DeleteObject(*font);
            *font = nullptr;
        }
    }
}
