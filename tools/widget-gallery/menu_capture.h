#pragma once
// Pictures of open popup menus: keys pressed into a menu while it is open, and a window together
// with the menus that are open over it, as the screen shows them.

#include <windows.h>

#include <vector>

#include "canvas.h"

namespace tockly::gallery {

// Each key pressed and let go, in order (VK_DOWN to an item, VK_RIGHT into its submenu).
void PressMenuKeys(const std::vector<WORD>& keys);

// `window` and this thread's visible popup menus, the submenus drawn last, over their menu.
Canvas CaptureWithOpenMenus(HWND window);

}  // namespace tockly::gallery
