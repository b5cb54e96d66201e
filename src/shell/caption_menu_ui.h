// Menu 160: About and Exit, opened from the caption's menu button and from the tray icon;
// and the window menu that stands in for the system menu a borderless window lacks here.
#pragma once

#include <wx/menu.h>

namespace orvanta {

// Menu item ids here stop at 0x7FFF, below the commands 32772 and 32774 of the original
// resource, so the stock About and Exit ids stand in for them.
enum { kAboutCommand = wxID_ABOUT, kExitCommand = wxID_EXIT };
// The system menu's own item, which opens the small About dialog.
inline constexpr int kSmallAboutCommand = 16;

wxMenu* CreateCaptionMenu();
// Opened by a right click on the caption band.
wxMenu* CreateSystemMenu();

}  // namespace orvanta
