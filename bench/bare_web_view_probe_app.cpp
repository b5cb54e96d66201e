// The baseline for startup_ui_bench: a bare window holding one web view that loads the start
// page file the driver wrote into the current folder, and the probe's signal once it has.
#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/webview.h>

#include <cstdio>

#include "startup_probe_signal.h"

namespace {

class BareApp : public wxApp {
 public:
  bool OnInit() override {
    startup_probe::KeepDriverSocketToSelf();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bare", wxPoint(0, 0), wxSize(850, 570));
    wxWebView* view = wxWebView::New(frame, wxID_ANY, "file://" + wxGetCwd() + "/sc/jz1");
    if (view == nullptr) return false;
    view->Bind(wxEVT_WEBVIEW_LOADED, [](wxWebViewEvent& event) {
      if (event.GetURL().EndsWith("/sc/jz1")) startup_probe::TellDriverAndExit();
    });
    frame->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BareApp);

int main(int argc, char** argv) {
  const int code = wxEntry(argc, argv);
  std::fflush(nullptr);
  ::_exit(code);
}
