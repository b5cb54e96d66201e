#include "shell/navigator_app.h"

#include "browser/window_thread_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

bool CNavigatorApp::OnInit() {
  SetAppName("orvanta");
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
