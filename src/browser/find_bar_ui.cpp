#include "browser/find_bar_ui.h"

#include "browser/web_browser2_ui.h"

namespace orvanta {

CFindBar::CFindBar(wxWindow* parent, CWebBrowser2& browser)
    : wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(200, 24),
                 wxTE_PROCESS_ENTER),
      m_browser(browser) {
  SetHint(wxString::FromUTF8("在此网页中查找"));
  Hide();
  Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_browser.Find(GetValue(), true); });
  Bind(wxEVT_KEY_DOWN, &CFindBar::OnKeyDown, this);
}

void CFindBar::Open() {
  Show();
  Raise();
  SetFocus();
  SelectAll();
}

void CFindBar::Close() {
  Hide();
  m_browser.Find(wxEmptyString, true);
  if (wxWindow* view = m_browser.GetWindow()) view->SetFocus();
}

void CFindBar::OnKeyDown(wxKeyEvent& event) {
  switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      m_browser.Find(GetValue(), !event.ShiftDown());
      return;
    case WXK_ESCAPE:
      Close();
      return;
    default:
      event.Skip();
  }
}

}  // namespace orvanta
