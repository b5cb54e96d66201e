#include "shell/browser_keys_ui.h"

#include <wx/defs.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

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

#ifdef __WXGTK__
namespace {

int WxKeyCode(guint keyval) {
  switch (keyval) {
    case GDK_KEY_Left:
      return WXK_LEFT;
    case GDK_KEY_KP_Left:
      return WXK_NUMPAD_LEFT;
    case GDK_KEY_Right:
      return WXK_RIGHT;
    case GDK_KEY_KP_Right:
      return WXK_NUMPAD_RIGHT;
    case GDK_KEY_F5:
      return WXK_F5;
    case GDK_KEY_F6:
      return WXK_F6;
    case GDK_KEY_KP_Add:
      return WXK_NUMPAD_ADD;
    case GDK_KEY_KP_Subtract:
      return WXK_NUMPAD_SUBTRACT;
    case GDK_KEY_KP_0:
      return WXK_NUMPAD0;
    default: {
      const guint32 character = gdk_keyval_to_unicode(keyval);
      return character > 0 && character < 0x80 ? static_cast<int>(character) : 0;
    }
  }
}

int WxModifiers(guint state) {
  int modifiers = wxMOD_NONE;
  if (state & GDK_CONTROL_MASK) modifiers |= wxMOD_CONTROL;
  if (state & GDK_MOD1_MASK) modifiers |= wxMOD_ALT;
  if (state & GDK_SHIFT_MASK) modifiers |= wxMOD_SHIFT;
  return modifiers;
}

// Connected to the window's "event", which runs before the toolkit's own key handling.
gboolean OnKeyPress(GtkWidget*, GdkEvent* event, gpointer data) {
  if (event->type != GDK_KEY_PRESS) return FALSE;
  const GdkEventKey* key = &event->key;
  const BrowserKeyAction action = BrowserKeyFor(WxKeyCode(key->keyval), WxModifiers(key->state));
  if (action == BrowserKeyAction::kNone || action == BrowserKeyAction::kEnter ||
      action == BrowserKeyAction::kEscape)
    return FALSE;
  (*static_cast<std::function<void(BrowserKeyAction)>*>(data))(action);
  return TRUE;
}

}  // namespace
#endif

void AnswerBrowserKeysFirst(wxWindow* window, std::function<void(BrowserKeyAction)> run) {
#ifdef __WXGTK__
  auto* held = new std::function<void(BrowserKeyAction)>(std::move(run));
  g_signal_connect_data(
      window->GetHandle(), "event", G_CALLBACK(OnKeyPress), held,
      [](gpointer data, GClosure*) {
        delete static_cast<std::function<void(BrowserKeyAction)>*>(data);
      },
      GConnectFlags(0));
#else
  (void)window;
  (void)run;
#endif
}

}  // namespace orvanta
