#pragma once

#include <windows.h>

// What the panels post to their parent window. The graph's clicks ask for
// the previous and next event (both parameters 0); the information panel's
// toggles carry the button (0 to 2) and its new state (1 on, 0 off); the
// gauge window says it closed (both parameters 0).
constexpr UINT WM_APP_GRAPH_PREV_EVENT = WM_APP + 0x191;
constexpr UINT WM_APP_GRAPH_NEXT_EVENT = WM_APP + 0x192;
constexpr UINT WM_APP_INFO_TOGGLE = WM_APP + 0x2BD;
constexpr UINT WM_APP_OBD_CLOSED = WM_APP + 0x578;
