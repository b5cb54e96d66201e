#include "shell/navigator_app.h"

#include <wx/log.h>

#include "browser/engine_start_ui.h"
#include "gui/theme_icon_loader_ui.h"
#include "gui/window_thread_ui.h"
#include "shell/caption_skin_ui.h"
#include "shell/navigator_dlg.h"

namespace orvanta {

bool CNavigatorApp::Initialize(int& argc, wxChar** argv) {
  // Started before the toolkit opens its display, the engine's network process makes ready
  // on the second core while this one sets up the toolkit and makes the window.
  KeepEngineUncomposited();
  StartEngineNetworkAhead(argc > 0 ? static_cast<const char*>(wxString(argv[0]).fn_str())
                                   : nullptr);
  return wxApp::Initialize(argc, argv);
}

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
