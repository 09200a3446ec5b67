#pragma once

#include <windows.h>

// The five shared UI fonts (9, 10, 13, 17 and 22 points), made by
// InitUiFontsAndFolder and deleted by the application at exit.
extern HFONT g_fontSmall;
extern HFONT g_fontNormal;
extern HFONT g_fontMedium;
extern HFONT g_fontLarge;
extern HFONT g_fontHuge;

// Start-up of the UI foundation, run once by the main window before any
// window that uses the fonts or texts: chooses the text row by the user's
// default language, makes the five fonts for the window's screen and
// records the process's current directory as the program folder. 0 when the
// window gives no DC; then nothing is set.
int InitUiFontsAndFolder(HWND mainWindow);

// Deletes the five fonts in order, small to huge.
void DeleteUiFonts();

// The font description for a nominal size on a screen of the given logical
// DPI, with the shared fonts' character set, pitch and face.
LOGFONTW UiFontDescription(int points, int dpiX, int dpiY, const wchar_t* face);
