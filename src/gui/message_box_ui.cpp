#include "gui/message_box_ui.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "gui/widget_text_ui.h"

namespace orvanta {
namespace {

constexpr const char* kAppCaption = "Orvanta ";
constexpr const char* kWindowCaption = "Orvanta";

MessageBoxPresenter& Presenter() {
  static MessageBoxPresenter presenter;
  return presenter;
}

int ShowModalBox(const wxString& text, const wxString& caption, long style) {
  wxMessageDialog box(nullptr, text, caption, style);
  box.SetOKLabel(wxString::FromUTF8("确定"));
  box.SetYesNoLabels(wxString::FromUTF8("是"), wxString::FromUTF8("否"));
  return box.ShowModal();
}

void Show(const Text& text, const char* caption, long icon = 0) {
  const wxString message = FromLocal(text);
  if (Presenter().show) {
    Presenter().show(message, caption);
    return;
  }
  ShowModalBox(message, caption, wxOK | icon);
}

// A box that holds no window: it is shown, not run, and tells its owner when it goes.
class CJobMessageDlg : public wxDialog {
 public:
  CJobMessageDlg(const wxString& text, std::function<void()> closed)
      : wxDialog(nullptr, wxID_ANY, kAppCaption, wxDefaultPosition, wxDefaultSize,
                 wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
        m_closed(std::move(closed)) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALL, 20);
    auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8("确定"));
    column->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(column);
    SetEscapeId(wxID_OK);
    ok->SetDefault();
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
      Hide();
      if (m_closed) std::exchange(m_closed, nullptr)();
      Destroy();
    });
    CentreOnScreen();
  }

 private:
  std::function<void()> m_closed;
};

}  // namespace

void ShowAppMessageBox(const Text& text) { Show(text, kAppCaption); }
void ShowWindowMessageBox(const Text& text) { Show(text, kWindowCaption); }
void ShowErrorMessageBox(const Text& text) { Show(text, "Error", wxICON_ERROR); }

bool AskWindowQuestion(const Text& text) {
  const wxString message = FromLocal(text);
  if (Presenter().ask) return Presenter().ask(message, kWindowCaption);
  return ShowModalBox(message, kWindowCaption, wxYES_NO) == wxID_YES;
}

void ShowJobMessageBox(const Text& text, std::function<void()> closed) {
  const wxString message = FromLocal(text);
  if (Presenter().show) {
    Presenter().show(message, kAppCaption);
    if (closed) closed();
    return;
  }
  auto* box = new CJobMessageDlg(message, std::move(closed));
  box->Show();
  box->Raise();
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  Presenter() = std::move(presenter);
}

}  // namespace orvanta
