// The browser page: toolbar, side tree, splitter and one browser control.
#pragma once

#include <memory>
#include <string>

#include <wx/bmpbuttn.h>
#include <wx/font.h>
#include <wx/imaglist.h>
#include <wx/panel.h>
#include <wx/treectrl.h>

#include "browser/browser_page_view_ui.h"
#include "browser/find_bar_ui.h"
#include "browser/page_host.h"
#include "browser/web_browser2_ui.h"
#include "gui/band_picture_ui.h"
#include "jobs/page_session.h"
#include "text/text.h"

namespace orvanta {

class CBrowserPageDlg : public wxPanel, public CWebBrowser2Events {
 public:
  enum {
    kBackId = 1001,
    kForwardId = 1003,
    kStopId = 1004,
    kRefreshId = 1005,
    kFavoritesId = 1006,
    kAddFavoriteId = 1007,
    kOrganizeId = 1008,
    kSaveId = 1018,
    kTreeId = 1010,
    kBrowserId = 1011,
    kSplitterId = 1012,
  };

  // The control's first load is firstAddress when one is given (see CWebBrowser2).
  CBrowserPageDlg(wxWindow* parent, CPageHost* host, const Text& firstAddress = Text());
  ~CBrowserPageDlg() override;

  void ShowTreePanel(int flag);
  // Opens the find box over the toolbar row; nothing until then.
  void ShowFindBar();
  CFindBar* FindBar() const { return m_pFindBar; }
  void FillSubscriptionTree();
  // What the page decides without a window: its links, its jobs, its loading page.
  CPageSession& Session() { return m_session; }
  void ShowLoadingPage() { m_session.ShowLoadingPage(); }

  CWebBrowser2& Browser() { return *m_pBrowser; }
  wxTreeCtrl* Tree() const { return m_pTree; }
  wxBitmapButton* ToolbarButton(int id) const;
  wxBitmapButton* SplitterButton() const { return m_pSplitter; }
  int TreeShown() const { return m_bTreeShown; }
  // The number of the bitmap a toolbar or splitter button shows now.
  int ButtonBitmapId(int id) const;

  wxFont m_treeFont;
  // Filled from the session: the address under the pointer and the job started last.
  Text m_strSubject;
  Text m_strHoverUrl;
  Text m_strJobNumber;
  Text m_strSource1, m_strSource2, m_strSource3, m_strSource4, m_strSource5;

 private:
  // CWebBrowser2Events
  void OnStatusTextChange(const Text& text, bool fromOwnPage) override;
  void OnNewWindow2(CNewWindowRequest& request) override;
  void OnNavigateComplete2(const Text& url) override;
  void OnCommandStateChange(int command, bool enabled) override;
  void OnTitleChange(const Text& title) override;
  void OnDocumentComplete(const Text& url) override;

  void SetButtonBitmap(int id, int bitmapId);
  void ApplyLayout(bool afterSizeChange);
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnButton(wxCommandEvent& event);
  void OnTreeActivated(wxTreeEvent& event);
  void OnTreeSelection(wxTreeEvent& event);
  void ShowFavorites();
  void PlaceFindBar();
  // Stop: a job's loading page gives up its claim on the page too.
  void StopPage();

  CPageHost* m_pHost;
  wxImageList m_treeImages;
  int m_bTreeShown = 0;
  wxBitmapButton* m_pSplitter = nullptr;
  wxBitmapButton* m_pButtons[8] = {};
  int m_nButtonBitmaps[8] = {};
  int m_nSplitterBitmap = 182;
  wxTreeCtrl* m_pTree = nullptr;
  CBandPicture m_band{201, 4, 30};
  std::unique_ptr<CWebBrowser2> m_pBrowser;
  CFindBar* m_pFindBar = nullptr;
  CBrowserPageView m_view;
  CPageSession m_session{m_view};
};

}  // namespace orvanta
