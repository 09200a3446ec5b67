#pragma once

#include <optional>
#include <string>

class CInetConnectionAsync;

// The update check, run once per run on the monitor's update thread: it
// fetches the recorder firmware's and this viewer's version files, and when
// either differs from what the recordings and the program carry, shows
// the update dialog on the desktop and keeps its messages moving until
// WM_QUIT. Nothing is shown when a fetch fails. The stop flag is read
// between the steps, so a check stopped during a fetch shows nothing.
unsigned UpdateCheckThreadProc(CInetConnectionAsync& owner);

// One version file through a session of the monitor's: the text after
// "VER:" in its first 1024 bytes, or an empty text for an empty file. None
// when the server cannot be reached, answers other than 200, keeps failing
// the read, or the file holds no version.
std::optional<std::wstring> FetchVersion(const CInetConnectionAsync& owner, const std::wstring& url);
