#include "shell/browser_window_dlg.h"

#include <wx/dcbuffer.h>

#include "gui/resource_images_ui.h"
#include "gui/skin_colour_ui.h"
#include "shell/web_search_box_ui.h"

namespace orvanta {

CBrowserWindowDlg* CBrowserWindowDlg::Open() { return new CBrowserWindowDlg(); }

CBrowserWindowDlg* CBrowserWindowDlg::OpenShown() {
  CBrowserWindowDlg* window = Open();
  window->Page().ShowTreePanel(0);
  window->Show();
  // A new window comes to the front with the keyboard, as any browser's does.
  window->Raise();
  return window;
}

CBrowserWindowDlg* CBrowserWindowDlg::OpenAt(const std::string& address) {
  CBrowserWindowDlg* window = OpenShown();
  window->Page().Browser().Navigate(address);
  return window;
}

CBrowserWindowDlg::CBrowserWindowDlg() : CBrowserHostDlg("Orvanta", wxColour(151, 196, 229)) {
  SetIcon(LoadResIcon(175));
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_pPage->ShowTreePanel(1);
  m_pPage->FillSubscriptionTree();
  m_pGo->SetSize(303, 0, 51, 28);
  m_pKeyword->SetSize(363, 0, 289, 28);
  m_pSearch->SetSize(781, 0, 51, 28);
  m_pEngine->SetSize(652, 0, 129, 28);
  m_nEngineIndex = ChooseEngineIndex();
  FillEngineBox(*m_pEngine, m_nEngineIndex);
  Bind(wxEVT_SIZE, &CBrowserWindowDlg::OnSize, this);
  Bind(wxEVT_PAINT, &CBrowserWindowDlg::OnPaint, this);
  Bind(wxEVT_CLOSE_WINDOW, &CBrowserWindowDlg::OnClose, this);
  SetSize(100, 100, 850, 570);
}

void CBrowserWindowDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  LayOutRows(0, 33);
  Refresh(false);
}

void CBrowserWindowDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(SkinColour()));
  dc.Clear();
  m_band.Paint(dc, GetClientSize().x);
}

void CBrowserWindowDlg::OnClose(wxCloseEvent&) {
  // No question: the window simply goes, and with it its page and control.
  Destroy();
}

}  // namespace orvanta
