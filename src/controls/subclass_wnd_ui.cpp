#include "controls/subclass_wnd_ui.h"

#include <wx/app.h>

#include <unordered_map>

namespace orvanta {

// Pushed on a window while it has hooks: it hands each event to the newest hook. The window
// is unhooked when its destroy event passes, before the toolkit insists that no pushed
// handler remains.
class RegistryHandler : public wxEvtHandler {
 public:
  explicit RegistryHandler(wxWindow* window) : m_pWindow(window) {}

  // Taken out of the window's chain; deleted once no event of it is being handled, since a
  // hook may detach the last hook from inside its own HandleMessage.
  void Retire() {
    // Anywhere in the window's chain: something else may have pushed a handler since.
    m_pWindow->RemoveEventHandler(this);
    m_bRetired = true;
    if (wxTheApp != nullptr) wxTheApp->ScheduleForDestruction(this);  // no app: no windows
  }

 protected:
  bool TryBefore(wxEvent& event) override;

 private:
  wxWindow* m_pWindow;
  bool m_bRetired = false;
};

class SubclassRegistry {
 public:
  static std::unordered_map<wxWindow*, CSubclassWnd*>& Heads() {
    static auto* heads = new std::unordered_map<wxWindow*, CSubclassWnd*>();
    return *heads;
  }

  static void Add(wxWindow* window, CSubclassWnd* hook) {
    auto& heads = Heads();
    const auto found = heads.find(window);
    CSubclassWnd* head = found == heads.end() ? nullptr : found->second;
    hook->m_pNext = head;
    heads[window] = hook;
    if (head != nullptr) {
      hook->m_pOldWndProc = head->m_pOldWndProc;
    } else {
      hook->m_pOldWndProc = new RegistryHandler(window);
      window->PushEventHandler(hook->m_pOldWndProc);
    }
  }

  static void Remove(CSubclassWnd* hook) {
    auto& heads = Heads();
    const auto found = heads.find(hook->m_pWndHooked);
    if (found == heads.end()) return;
    if (found->second == hook) {
      if (hook->m_pNext != nullptr) {
        found->second = hook->m_pNext;
      } else {
        heads.erase(found);
        static_cast<RegistryHandler*>(hook->m_pOldWndProc)->Retire();
      }
    } else {
      CSubclassWnd* previous = found->second;
      while (previous != nullptr && previous->m_pNext != hook) previous = previous->m_pNext;
      if (previous != nullptr) previous->m_pNext = hook->m_pNext;
    }
    hook->m_pNext = nullptr;
  }
};

bool RegistryHandler::TryBefore(wxEvent& event) {
  CSubclassWnd* head = CSubclassWnd::HeadOf(m_pWindow);
  if (head == nullptr) return wxEvtHandler::TryBefore(event);
  if (event.GetEventType() == wxEVT_DESTROY && event.GetEventObject() == m_pWindow) {
    // The hooks go first, then the window sees its destroy event as if never hooked.
    wxWindow* const window = m_pWindow;
    CSubclassWnd::RemoveAll(window);
    window->GetEventHandler()->ProcessEvent(event);
    return true;
  }
  wxEvtHandler* const next = GetNextHandler();
  const bool handled = head->HandleMessage(event);
  // Unhooked meanwhile: out of the chain, this handler can no longer pass the event on.
  if (m_bRetired && !handled && next != nullptr) {
    next->ProcessEvent(event);
    return true;
  }
  return handled;
}

CSubclassWnd::~CSubclassWnd() {
  if (m_pWndHooked != nullptr) AttachTo(nullptr);
}

bool CSubclassWnd::AttachTo(wxWindow* window) {
  if (m_pWndHooked != nullptr) {
    SubclassRegistry::Remove(this);
    m_pOldWndProc = nullptr;
  }
  m_pWndHooked = window;
  if (window != nullptr) SubclassRegistry::Add(window, this);
  return true;
}

bool CSubclassWnd::HandleMessage(wxEvent& event) {
  if (m_pNext != nullptr) return m_pNext->HandleMessage(event);
  return false;  // on to the window's own handlers
}

void CSubclassWnd::RemoveAll(wxWindow* window) {
  while (CSubclassWnd* head = HeadOf(window)) head->AttachTo(nullptr);
}

CSubclassWnd* CSubclassWnd::HeadOf(wxWindow* window) {
  auto& heads = SubclassRegistry::Heads();
  const auto found = heads.find(window);
  return found == heads.end() ? nullptr : found->second;
}

}  // namespace orvanta
