#pragma once

#include "ui/core/UiChar.h"

// The map library's loader URL on the provider's host, with the program's
// API key. The page calls "loadLibs" once the library has loaded.
UiString MapLoaderUrl(UiStringView host, UiStringView apiKey);

// The program's API key for the map library, from the build setting.
// Callers wipe their copy once the URL is made.
UiString MapApiKey();

// Overwrites the text's characters with zeros before it is let go.
void WipeText(UiString& text);
