// Lets ordinary objects see the events of an existing window before the window does, several
// at once: the newest hook first, each passing on to the one attached before it, the oldest
// to the window itself.
#pragma once

#include <wx/event.h>
#include <wx/window.h>

namespace orvanta {

class CSubclassWnd {
 public:
  CSubclassWnd() = default;
  virtual ~CSubclassWnd();
  CSubclassWnd(const CSubclassWnd&) = delete;
  CSubclassWnd& operator=(const CSubclassWnd&) = delete;

  // Hooks window, or with nullptr detaches; a hook attached elsewhere is detached first.
  bool AttachTo(wxWindow* window);
  bool IsAttached() const { return m_pWndHooked != nullptr; }

  // Every event that reaches the hooked window. A hook handles what it wants and ends with
  // this default, which passes the event on to the older hooks and then the window; true
  // stops the event there.
  virtual bool HandleMessage(wxEvent& event);

  // Detaches every hook of window; the window then runs as if it had never been hooked.
  static void RemoveAll(wxWindow* window);
  // The newest hook of window, or nullptr.
  static CSubclassWnd* HeadOf(wxWindow* window);

 private:
  friend class SubclassRegistry;

  wxWindow* m_pWndHooked = nullptr;
  // The handler that the registry pushed on the window for its first hook; shared by all
  // hooks of that window, as the procedure they all fall back to.
  wxEvtHandler* m_pOldWndProc = nullptr;
  CSubclassWnd* m_pNext = nullptr;
};

}  // namespace orvanta
