#include "shell/browser_host_dlg.h"

#include <wx/app.h>

#include <algorithm>

#include "files/status_mirror.h"
#include "gui/pixel_height_font_ui.h"
#include "gui/resource_images_ui.h"
#include "gui/skin_colour_ui.h"
#include "gui/widget_text_ui.h"
#include "search/web_search.h"
#include "shell/browser_keys_ui.h"
#include "shell/browser_window_dlg.h"
#include "shell/search_bar_layout.h"
#include "shell/typed_url_history.h"
#include "shell/web_search_box_ui.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

const Text& AddressPlaceholder() {
  static const Text text = Gbk("请输入网址");
  return text;
}

}  // namespace

CBrowserHostDlg::CBrowserHostDlg(const wxString& title, const wxColour& keywordColour, long style,
                                 const Text& firstAddress)
    : wxDialog(nullptr, wxID_ANY, title, wxPoint(0, 0), wxSize(850, 570), style) {
  SetBackgroundColour(SkinColour());
  m_pTab = new wxPanel(this, kTabId);
  m_pTab->SetBackgroundColour(SkinColour());
  m_pPage = new CBrowserPageDlg(m_pTab, this, firstAddress);
  FitPageToTab();
  // A height of 23 names the whole character cell, as the desktop font API counts it; the
  // characters themselves are 20 pixels, which lets every engine's label fit its box.
  m_inputFont = MakePixelHeightFont(wxFontInfo().Family(wxFONTFAMILY_SWISS).FaceName("Arial"), 20);
  m_statusFont = MakePixelHeightFont(wxFontInfo().Family(wxFONTFAMILY_SWISS), 16);
  m_pAddress = new CColorComboBox(this, kAddressId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                  wxCB_DROPDOWN | wxCB_SORT);
  m_pGo = new wxBitmapButton(this, kGoId, LoadResBitmap(187, 51, 28), wxDefaultPosition,
                             wxSize(51, 28), wxBORDER_NONE);
  m_pKeyword = new wxTextCtrl(this, kKeywordId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                              wxBORDER_SIMPLE);
  // Read-only: typed characters never reach the engine box.
  m_pEngine = new CColorComboBox(this, kEngineId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 wxCB_READONLY | wxCB_SORT);
  m_pSearch = new wxBitmapButton(this, kSearchId, LoadResBitmap(188, 51, 28), wxDefaultPosition,
                                 wxSize(51, 28), wxBORDER_NONE);
  // Created last so that it lies above the tab frame, which reaches below it.
  m_pStatus = new wxTextCtrl(this, kStatusId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxTE_READONLY | wxBORDER_NONE);

  m_nFocusField = 1;
  m_pAddress->SetFont(m_inputFont);
  m_pEngine->SetFont(m_inputFont);
  m_pKeyword->SetFont(m_inputFont);
  m_pStatus->SetFont(m_statusFont);
  m_pKeyword->SetForegroundColour(keywordColour);
  m_pKeyword->SetBackgroundColour(wxColour(18, 32, 65));
  m_pStatus->SetForegroundColour(wxColour(151, 196, 229));
  m_pStatus->SetBackgroundColour(SkinColour());
  // Shown, not mirrored: which window this is is known only once it is made.
  m_strStatusText = "  Orvanta";
  m_pStatus->ChangeValue(FromLocal(m_strStatusText));
  m_pGo->SetCursor(wxCursor(wxCURSOR_HAND));
  m_pSearch->SetCursor(wxCursor(wxCURSOR_HAND));

  // The cursor rule runs on every cursor message: a pointer already resting on the box when
  // the placeholder came empties it as soon as it moves.
  for (const auto& type : {wxEVT_ENTER_WINDOW, wxEVT_MOTION}) {
    m_pAddress->Bind(type, [this](wxMouseEvent& event) {
      PointerOnInputBox(1, m_pAddress, AddressPlaceholder());
      event.Skip();
    });
    m_pKeyword->Bind(type, [this](wxMouseEvent& event) {
      PointerOnInputBox(2, m_pKeyword, KeywordPlaceholder());
      event.Skip();
    });
  }
  // The engine the person picks is the one a resize brings back, not the one drawn at start.
  m_pEngine->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
    if (event.GetSelection() != wxNOT_FOUND) m_nEngineIndex = event.GetSelection();
    event.Skip();
  });
  m_pEngine->Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent& event) {
    m_pSearch->SetFocus();
    event.Skip();
  });
  LoadHistory();
  Bind(wxEVT_CHAR_HOOK, &CBrowserHostDlg::OnCharHook, this);
  AnswerBrowserKeysFirst(this, [this](BrowserKeyAction action) { RunBrowserKey(action); });
  m_pGo->Bind(wxEVT_BUTTON, &CBrowserHostDlg::OnButton, this);
  m_pSearch->Bind(wxEVT_BUTTON, &CBrowserHostDlg::OnButton, this);
  m_pTab->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    FitPageToTab();
    event.Skip();
  });
}

void CBrowserHostDlg::PointerOnInputBox(int focusField, wxTextEntry* box, const Text& placeholder) {
  m_nFocusField = focusField;
  if (ToLocalText(box->GetValue()) != placeholder) return;
  box->ChangeValue(wxEmptyString);
  SetStatusLineText(Text());
}

void CBrowserHostDlg::LoadHistory() {
  // The list stays empty: the completer fills it while the user types.
  m_completer.Attach(m_pAddress);
  m_completer.AddCandidates(ReadTypedUrls(TypedUrlHistoryPath()));
}

void CBrowserHostDlg::FitPageToTab() {
  if (m_pPage) m_pPage->SetSize(m_pTab->GetClientSize());
}

namespace {

void Place(wxWindow* control, const CaptionRect& rect) {
  control->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

void CBrowserHostDlg::LayOutRows(int barTop, int tabTop) {
  const wxSize client = GetClientSize();
  m_pStatus->SetSize(0, client.y - 16, client.x, 16);
  const SearchBarLayout bar = LayOutSearchBar(client.x, barTop);
  Place(m_pAddress, bar.address);
  Place(m_pGo, bar.go);
  Place(m_pKeyword, bar.keyword);
  Place(m_pEngine, bar.engine);
  Place(m_pSearch, bar.search);
  ReselectEngine();
  // The frame reaches 14 pixels below the client area, under the status line.
  m_pTab->SetSize(0, tabTop, client.x, std::max(client.y - tabTop + 14, 0));
  FitPageToTab();
}

void CBrowserHostDlg::ReselectEngine() {
  if (m_nEngineIndex < static_cast<int>(m_pEngine->GetCount()))
    m_pEngine->SetSelection(m_nEngineIndex);
}

void CBrowserHostDlg::ShowAddress(const Utf8Text& address) {
  m_pAddress->ChangeValue(FromUtf8(address));
}

void CBrowserHostDlg::SetStatusLineText(const Text& text) {
  m_strStatusText = text;
  DisplayStatus(text);
}

void CBrowserHostDlg::ShowJobProgress(const Text& text) { DisplayStatus(text); }

void CBrowserHostDlg::EndJobProgress() { DisplayStatus(m_strStatusText); }

void CBrowserHostDlg::DisplayStatus(const Text& text) {
  m_pStatus->ChangeValue(FromLocal(text));
  // Only the main window's line is mirrored; a mirror that cannot be written costs nothing.
  if (HasPageButtons()) MirrorStatusText(text);
}

void CBrowserHostDlg::SetCaptionText(const Text& text) { SetTitle(FromLocal(text)); }

CBrowserPageDlg& CBrowserHostDlg::OpenSecondaryWindow() {
  return CBrowserWindowDlg::OpenShown()->Page();
}

void CBrowserHostDlg::OnGo() {
  m_completer.CloseList();
  ShowPage();
  const Text address = ToLocalText(m_pAddress->GetValue());
  if (!address.empty() && address != AddressPlaceholder()) {
    m_pPage->Browser().NavigateTyped(ToUtf8Text(m_pAddress->GetValue()));
    m_pPage->ShowTreePanel(0);
    // A history that cannot be written costs only future completions.
    RecordTypedUrl(TypedUrlHistoryPath(), address);
  } else {
    m_pAddress->ChangeValue(FromLocal(AddressPlaceholder()));
    SetStatusLineText(Text("  ") + AddressPlaceholder());
  }
}

void CBrowserHostDlg::OnSearch() {
  ShowPage();
  RunWebSearch(*m_pPage, *m_pEngine, *m_pKeyword, *this);
}

void CBrowserHostDlg::OnEnter() {
  if (m_nFocusField == 1)
    OnGo();
  else
    OnSearch();
}

bool CBrowserHostDlg::FocusInOwnControls() const {
  if (m_pPage && m_pPage->Browser().HasFocusInPage()) return false;
  for (const wxWindow* w = wxWindow::FindFocus(); w != nullptr; w = w->GetParent()) {
    if (w == m_pTab) return false;  // the page: its view, tree, toolbar and find box
    if (w == this) return true;
  }
  return false;
}

void CBrowserHostDlg::FocusAddressBox() {
  m_pAddress->SetFocus();
  m_pAddress->SelectAll();
}

void CBrowserHostDlg::AskToQuit() {
  if (wxWindow* main = wxTheApp->GetTopWindow()) main->Close();
}

bool CBrowserHostDlg::SteerCompletionList(int key) {
  if (!m_completer.IsListShown()) return false;
  switch (key) {
    case WXK_ESCAPE:
      m_completer.CloseList();
      return true;  // the list goes first
    case WXK_DOWN:
      return m_completer.StepList(1);
    case WXK_UP:
      return m_completer.StepList(-1);
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      m_completer.CloseList();
      return false;  // then Enter as ever
    default:
      return false;
  }
}

void CBrowserHostDlg::OnCharHook(wxKeyEvent& event) {
  if (event.GetModifiers() == wxMOD_NONE && SteerCompletionList(event.GetKeyCode())) return;
  const BrowserKeyAction action = BrowserKeyFor(event.GetKeyCode(), event.GetModifiers());
  // Enter and Escape typed into a web page belong to the page and its scripts.
  const bool pageKey =
      (action == BrowserKeyAction::kEnter || action == BrowserKeyAction::kEscape) &&
      !FocusInOwnControls();
  if (action == BrowserKeyAction::kNone || pageKey) {
    event.Skip();
    return;
  }
  RunBrowserKey(action);
}

void CBrowserHostDlg::RunBrowserKey(BrowserKeyAction action) {
  CWebBrowser2& browser = m_pPage->Browser();
  switch (action) {
    case BrowserKeyAction::kEnter:
      OnEnter();
      return;
    case BrowserKeyAction::kEscape:
      OnEscape();
      return;
    case BrowserKeyAction::kFocusAddress:
      FocusAddressBox();
      return;
    case BrowserKeyAction::kRefresh:
      browser.Refresh();
      return;
    case BrowserKeyAction::kBack:
      browser.GoBack();
      return;
    case BrowserKeyAction::kForward:
      browser.GoForward();
      return;
    case BrowserKeyAction::kFind:
      m_pPage->ShowFindBar();
      return;
    case BrowserKeyAction::kZoomIn:
      browser.Zoom(1);
      return;
    case BrowserKeyAction::kZoomOut:
      browser.Zoom(-1);
      return;
    case BrowserKeyAction::kZoomReset:
      browser.Zoom(0);
      return;
    case BrowserKeyAction::kCloseWindow:
      OnCloseKey();
      return;
    case BrowserKeyAction::kAskClose:
      AskToQuit();
      return;
    case BrowserKeyAction::kNone:
      return;
  }
}

void CBrowserHostDlg::OnButton(wxCommandEvent& event) {
  switch (event.GetId()) {
    case kGoId:
      OnGo();
      break;
    case kSearchId:
      OnSearch();
      break;
    default:
      event.Skip();
      break;
  }
}

}  // namespace orvanta
