#include "shell/browser_keys_ui.h"

#include <wx/defs.h>

namespace orvanta {

BrowserKeyAction BrowserKeyFor(int keyCode, int modifiers) {
  using A = BrowserKeyAction;
  const int upper = keyCode >= 'a' && keyCode <= 'z' ? keyCode - 'a' + 'A' : keyCode;
  switch (modifiers) {
    case wxMOD_NONE:
      if (keyCode == WXK_RETURN || keyCode == WXK_NUMPAD_ENTER) return A::kEnter;
      if (keyCode == WXK_ESCAPE) return A::kEscape;
      if (keyCode == WXK_F6) return A::kFocusAddress;
      if (keyCode == WXK_F5) return A::kRefresh;
      return A::kNone;
    case wxMOD_ALT:
      if (upper == 'D') return A::kFocusAddress;
      if (keyCode == WXK_LEFT || keyCode == WXK_NUMPAD_LEFT) return A::kBack;
      if (keyCode == WXK_RIGHT || keyCode == WXK_NUMPAD_RIGHT) return A::kForward;
      return A::kNone;
    case wxMOD_CONTROL:
    case wxMOD_CONTROL | wxMOD_SHIFT:  // Ctrl+plus is Ctrl+Shift+= on most keyboards
      if (upper == 'L' && modifiers == wxMOD_CONTROL) return A::kFocusAddress;
      if (upper == 'R' && modifiers == wxMOD_CONTROL) return A::kRefresh;
      if (upper == 'F' && modifiers == wxMOD_CONTROL) return A::kFind;
      if (upper == 'W' && modifiers == wxMOD_CONTROL) return A::kCloseWindow;
      if (upper == 'Q' && modifiers == wxMOD_CONTROL) return A::kAskClose;
      if (keyCode == '+' || keyCode == '=' || keyCode == WXK_NUMPAD_ADD) return A::kZoomIn;
      if (keyCode == '-' || keyCode == '_' || keyCode == WXK_NUMPAD_SUBTRACT) return A::kZoomOut;
      if (keyCode == '0' || keyCode == WXK_NUMPAD0) return A::kZoomReset;
      return A::kNone;
    default:
      return A::kNone;
  }
}

}  // namespace orvanta
