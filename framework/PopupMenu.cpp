#include "framework/PopupMenu.h"

#include "framework/UserPrompts.h"

namespace fw {

BOOL PopupMenu::Track(UINT flags, POINT screen, HWND owner) const {
    return Prompts().TrackMenu(menu_, flags, screen, owner);
}

}  // namespace fw
