// The program as it starts, for startup_ui_bench: the same application object and main(),
// plus the probe's signal once the home page has finished loading the start page.
#include <wx/webview.h>

#include <cstdio>

#include "shell/navigator_app.h"
#include "shell/navigator_dlg.h"
#include "startup_probe_signal.h"

namespace {

class ProbeApp : public orvanta::CNavigatorApp {
 public:
  bool OnInit() override {
    startup_probe::KeepDriverSocketToSelf();
    if (!CNavigatorApp::OnInit()) return false;
    auto* window = dynamic_cast<orvanta::CNavigatorDlg*>(GetTopWindow());
    wxWebView* view = window ? window->HomePage().Browser().GetWebView() : nullptr;
    if (view == nullptr) return false;
    view->Bind(wxEVT_WEBVIEW_LOADED, [](wxWebViewEvent& event) {
      event.Skip();
      if (event.GetURL().EndsWith("/sc/jz1")) startup_probe::TellDriverAndExit();
    });
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ProbeApp);

int main(int argc, char** argv) {
  const int code = wxEntry(argc, argv);
  std::fflush(nullptr);
  ::_exit(code);
}
