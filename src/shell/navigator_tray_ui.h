// The tray icon of the main window and its menu 160.
#pragma once

#include <wx/taskbar.h>

namespace orvanta {

class CNavigatorDlg;

class CNavigatorTrayIcon : public wxTaskBarIcon {
 public:
  explicit CNavigatorTrayIcon(CNavigatorDlg* window);

 protected:
  wxMenu* CreatePopupMenu() override;

 private:
  void Restore();

  CNavigatorDlg* m_pWindow;
  wxLongLong m_lastClick = 0;
};

}  // namespace orvanta
