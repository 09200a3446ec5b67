#pragma once

// True when the program runs on Wine rather than on Windows. A few media
// calls hang or never answer there, and the player takes another road for
// them; on Windows the usual calls are kept.
bool RunningUnderWine();
