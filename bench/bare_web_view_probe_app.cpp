// The baseline for startup_ui_bench: a bare window holding one web view that loads the start
// page file the driver wrote into the current folder. The driver's hook times it.
#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/webview.h>

namespace {

class BareApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bare", wxPoint(0, 0), wxSize(850, 570));
    wxWebView* view = wxWebView::New(frame, wxID_ANY, "file://" + wxGetCwd() + "/sc/jz1");
    if (view == nullptr) return false;
    frame->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(BareApp);
