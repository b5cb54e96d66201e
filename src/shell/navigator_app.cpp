#include "shell/navigator_app.h"

#include <wx/log.h>

#include "gui/theme_icon_loader_ui.h"
#include "gui/window_thread_ui.h"
#include "shell/caption_skin_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

bool CNavigatorApp::OnInit() {
  SetAppName("orvanta");
  // The user sees the program's own messages only; the toolkit's notes go to standard error.
  delete wxLog::SetActiveTarget(new wxLogStderr());
  OpenWindowThread();
  // The skin's picture and the theme's icon loader are readied on the second core while the
  // window is made.
  ReadBackgroundAhead(CNavigatorDlg::kStartWidth);
  OpenThemeIconLoaderAside();
  auto* window = new CNavigatorDlg();
  SetTopWindow(window);
  window->Show();
  return true;
}

int CNavigatorApp::OnExit() {
  CloseWindowThread();
  return wxApp::OnExit();
}

}  // namespace orvanta
