// Hands a window move to the desktop, as a press on a system caption would.
#pragma once

#include <wx/toplevel.h>

namespace orvanta {

// The button is still down at screenPoint; the window follows the pointer until it is let go.
void BeginWindowMove(wxTopLevelWindow& window, const wxPoint& screenPoint);

}  // namespace orvanta
