#pragma once

#include <windows.h>

#include <optional>

#include "framework/Window.h"

// Where the skinned bar and slider are first made: along the bottom of the
// parent's client area, as wide as it, with only the height that the client
// area lacks until the owner moves them into place. Nothing when the parent
// has no width.
inline std::optional<fw::WindowArgs> ClientBottomArgs(HWND parent, int id, int height, const wchar_t* text) {
    RECT client{};
    GetClientRect(parent, &client);
    const int width = client.right - client.left;
    if (width <= 0) return std::nullopt;
    const int shown = height - client.bottom > 0 ? height - client.bottom : 0;
    fw::WindowArgs args;
    args.parent = parent;
    args.id = id;
    args.rect = {client.left, client.bottom, client.left + width, client.bottom + shown};
    args.style = WS_CHILD | WS_VISIBLE;
    args.text = text;
    return args;
}
