#pragma once

#include <cstdint>

// Messages the engine and its player post to the video window. wParam and
// lParam are 0 unless said otherwise.
constexpr uint32_t WM_APP_GRAPH_EVENT = 0x8004;       // the DirectShow graph has events queued
constexpr uint32_t WM_APP_PLAYER_TICK = 0x8005;       // frame-step tick; lParam = the frame
constexpr uint32_t WM_APP_PLAYER_TICK_END = 0x8006;   // frame stepping reached its limit; lParam = the frame
constexpr uint32_t WM_PLAYER_PAUSED = 0x83E9;
constexpr uint32_t WM_PLAYER_ENDED = 0x83EA;
constexpr uint32_t WM_PLAYER_READY = 0x83EB;
