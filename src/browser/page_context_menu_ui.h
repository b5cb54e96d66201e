// The menu a right click in a page opens: the program's own, in its own language.
#pragma once

#include "browser/web_browser2_ui.h"

namespace orvanta {

// Shows the menu at the pointer and does what the person chose. Runs a loop of its own until
// the menu closes: never call it from inside an engine callback.
void ShowPageContextMenu(CWebBrowser2& browser, const CPageMenuTarget& target);

}  // namespace orvanta
