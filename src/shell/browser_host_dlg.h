// What the main window and the secondary windows share: address box, search box, status
// line and the frame that holds their browser page.
#pragma once

#include <wx/bmpbuttn.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include "browser/browser_page_dlg.h"
#include "browser/page_host.h"
#include "controls/color_combo_box_ui.h"
#include "controls/text_completer_ui.h"
#include "shell/browser_keys_ui.h"

namespace orvanta {

class CBrowserHostDlg : public wxDialog, public CPageHost {
 public:
  enum {
    kGoId = 1001,
    kTabId = 1002,
    kStatusId = 1009,
    kEngineId = 1014,
    kAddressId = 1015,
    kSearchId = 1016,
    kKeywordId = 1017,
  };

  CBrowserPageDlg& Page() { return *m_pPage; }
  CColorComboBox* AddressBox() const { return m_pAddress; }
  const CTextCompleter& AddressCompleter() const { return m_completer; }
  wxComboBox* EngineBox() const { return m_pEngine; }
  wxBitmapButton* GoButton() const { return m_pGo; }
  wxBitmapButton* SearchButton() const { return m_pSearch; }
  wxTextCtrl* KeywordBox() const { return m_pKeyword; }
  wxTextCtrl* StatusLine() const { return m_pStatus; }
  int EngineIndex() const { return m_nEngineIndex; }

  // CPageHost
  void ShowAddress(const Utf8Text& address) override;
  void SetStatusLineText(const Text& text) override;
  void ShowJobProgress(const Text& text) override;
  void EndJobProgress() override;
  void SetCaptionText(const Text& text) override;
  CBrowserPageDlg& OpenSecondaryWindow() override;

  void OnGo();
  void OnSearch();
  // Enter: the address after the mouse rested on the address box, otherwise a search.
  void OnEnter();

 protected:
  // The page is built first, inside the tab frame, so that its engine starts while the rest
  // of the window is made; its first load is firstAddress when one is given.
  CBrowserHostDlg(const wxString& title, const wxColour& keywordColour,
                  long style = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMINIMIZE_BOX |
                               wxMAXIMIZE_BOX,
                  const Text& firstAddress = Text());
  // Brings the page to front in the tab frame (the main window's "Show page").
  virtual void ShowPage() {}
  virtual void OnEscape() = 0;
  // Ctrl+W: a secondary window closes; the main window stays.
  virtual void OnCloseKey() {}
  void FitPageToTab();
  // Status line, address bar row at barTop and the page frame from tabTop down.
  void LayOutRows(int barTop, int tabTop);
  // Every change of the status line goes here.
  void DisplayStatus(const Text& text);
  void ReselectEngine();

  wxBitmapButton* m_pGo = nullptr;
  wxBitmapButton* m_pSearch = nullptr;
  CColorComboBox* m_pAddress = nullptr;
  wxComboBox* m_pEngine = nullptr;
  wxTextCtrl* m_pKeyword = nullptr;
  wxTextCtrl* m_pStatus = nullptr;
  wxPanel* m_pTab = nullptr;
  CBrowserPageDlg* m_pPage = nullptr;
  wxFont m_inputFont;
  wxFont m_statusFont;
  int m_nFocusField = 1;
  // What the status line says when no job is reporting.
  Text m_strStatusText;
  // The engine box item re-selected on every resize: drawn at start, then the person's pick.
  int m_nEngineIndex = 0;
  // Offers the typed addresses, read once when the window is made.
  CTextCompleter m_completer;

 private:
  void LoadHistory();
  // The cursor rule of the address box (focus field 1) and the keyword box (2).
  void PointerOnInputBox(int focusField, wxTextEntry* box, const Text& placeholder);
  void OnCharHook(wxKeyEvent& event);
  void RunBrowserKey(BrowserKeyAction action);
  void OnButton(wxCommandEvent& event);
  // Whether the keyboard is in this window's own controls, not in its page.
  bool FocusInOwnControls() const;
  // Escape, the arrows and Enter first steer the address box's open list; true when taken.
  bool SteerCompletionList(int key);
  void FocusAddressBox();
  // Ctrl+Q: the main window's close question, from whichever window.
  void AskToQuit();
};

}  // namespace orvanta
