#pragma once

#include <windows.h>

#include "engine/PlayerMessages.h"
#include "panels/PanelMessages.h"

// Messages of the main window and its video surface beyond those of the
// controls that post them (sliders, file panel, map bridge).

// The player's and the filter graph's messages to the video surface are
// the engine's (PlayerMessages.h).

// The loader thread has parsed the current clip's data (lParam: non-zero
// when the parse succeeded).
constexpr UINT WM_APP_CLIP_DATA_LOADED = 0x8515;
// A worker job's end and progress (wParam items done, lParam items).
constexpr UINT WM_APP_WORKER_DONE = 0x8516;
constexpr UINT WM_APP_WORKER_PROGRESS = 0x8517;
// Sent by a job's thread: lParam points to a std::function<void()> that
// the UI thread runs, so timers, the engine's clip and the lists are only
// ever touched there.
constexpr UINT WM_APP_WORKER_CALL = 0x8518;

// Posted by the settings dialog; the panels' messages are theirs.
constexpr UINT WM_APP_SETTING_CHECK = 0x81F5;

// Values the window has a row for although nothing sends them: the
// engine's position ticker is never started, no shell notification is
// registered, and the video surface and the folder tree call the window
// directly instead of sending theirs.
constexpr UINT WM_APP_PLAYER_STATE = 0x8001;
constexpr UINT WM_APP_RESERVED_2 = 0x8002;
constexpr UINT WM_APP_SHOW_POSITION = 0x8003;
constexpr UINT WM_APP_REAPPLY_ZOOM = 0x8007;
constexpr UINT WM_APP_VIDEO_MENU = 0x825C;
constexpr UINT WM_APP_RESERVED_25D = 0x825D;
constexpr UINT WM_APP_RESERVED_25E = 0x825E;
constexpr UINT WM_APP_ZOOM_AT = 0x825F;
constexpr UINT WM_APP_CLIP_ENDED = 0x8260;
constexpr UINT WM_APP_LOAD_CLIP_DATA = 0x8261;
constexpr UINT WM_APP_OPEN_FINISHED = 0x8262;
constexpr UINT WM_APP_SHELL_NOTIFY = 0x8321;
constexpr UINT WM_APP_FOLDER_SELECTED = 0x8456;
