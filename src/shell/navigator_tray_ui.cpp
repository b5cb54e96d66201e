#include "shell/navigator_tray_ui.h"

#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/time.h>

#include "gui/resource_images_ui.h"
#include "shell/caption_menu_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

CNavigatorTrayIcon::CNavigatorTrayIcon(CNavigatorDlg* window) : m_pWindow(window) {
  SetIcon(wxBitmapBundle(LoadResIcon(176)), "Orvanta");
  // This desktop's tray reports each click alone (and, left unhandled, passes a single click
  // on as a double one): two clicks within the double-click time restore the window.
  Bind(wxEVT_TASKBAR_LEFT_DOWN, [this](wxTaskBarIconEvent&) {
    const wxLongLong now = wxGetLocalTimeMillis();
    const int interval = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    const bool second = m_lastClick > 0 && now - m_lastClick <= (interval > 0 ? interval : 500);
    m_lastClick = second ? 0 : now;
    if (second) Restore();
  });
  Bind(wxEVT_TASKBAR_LEFT_DCLICK, [this](wxTaskBarIconEvent&) { Restore(); });
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { m_pWindow->RunMenuCommand(event.GetId()); });
}

void CNavigatorTrayIcon::Restore() {
  m_pWindow->Iconize(false);
  m_pWindow->Show();
  m_pWindow->Raise();
}

// The menu opens where it is; the window stays as it is behind it.
wxMenu* CNavigatorTrayIcon::CreatePopupMenu() { return CreateCaptionMenu(); }

}  // namespace orvanta
