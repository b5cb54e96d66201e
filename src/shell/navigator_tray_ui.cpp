#include "shell/navigator_tray_ui.h"

#include <wx/menu.h>

#include "gui/resource_images_ui.h"
#include "shell/caption_menu_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

CNavigatorTrayIcon::CNavigatorTrayIcon(CNavigatorDlg* window) : m_pWindow(window) {
  SetIcon(wxBitmapBundle(LoadResIcon(176)), "Orvanta");
  Bind(wxEVT_TASKBAR_LEFT_DCLICK, [this](wxTaskBarIconEvent&) {
    m_pWindow->Iconize(false);
    m_pWindow->Show();
    m_pWindow->Raise();
  });
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { m_pWindow->RunMenuCommand(event.GetId()); });
}

wxMenu* CNavigatorTrayIcon::CreatePopupMenu() {
  m_pWindow->Raise();
  return CreateCaptionMenu();
}

}  // namespace orvanta
