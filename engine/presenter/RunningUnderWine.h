#pragma once

// True when the program runs on Wine rather than on Windows. A few media
// calls hang, never answer or show nothing there, and the player and the
// presenter take another road for them; on Windows the usual calls are kept.
bool RunningUnderWine();
