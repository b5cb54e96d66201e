// The keys every browser window answers, whatever has the focus.
#pragma once

#include <functional>

#include <wx/window.h>

namespace orvanta {

enum class BrowserKeyAction {
  kNone,          // not a browser key: it goes where the focus is
  kEnter,         // the window's Enter (go or search), only from its own controls
  kEscape,        // the window's Escape, only from its own controls
  kFocusAddress,  // Ctrl+L, Alt+D, F6
  kRefresh,       // F5, Ctrl+R
  kBack,          // Alt+Left
  kForward,       // Alt+Right
  kFind,          // Ctrl+F
  kZoomIn,        // Ctrl+plus
  kZoomOut,       // Ctrl+minus
  kZoomReset,     // Ctrl+0
  kCloseWindow,   // Ctrl+W
  kAskClose,      // Ctrl+Q
};

// keyCode and modifiers as the toolkit reports them (wxKeyEvent::GetKeyCode, GetModifiers).
BrowserKeyAction BrowserKeyFor(int keyCode, int modifiers);

// Lets window answer its browser keys before the page in it sees them: a page's engine
// keeps some (Alt with an arrow) to itself. run gets every key but Enter and Escape, which
// stay where the focus is.
void AnswerBrowserKeysFirst(wxWindow* window, std::function<void(BrowserKeyAction)> run);

}  // namespace orvanta
