#include "shell/navigator_app.h"

#include <wx/log.h>

#include "gui/window_thread_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

bool CNavigatorApp::OnInit() {
  SetAppName("orvanta");
  // The user sees the program's own messages only; the toolkit's notes go to standard error.
  delete wxLog::SetActiveTarget(new wxLogStderr());
  OpenWindowThread();
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
