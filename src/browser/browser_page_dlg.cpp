#include "browser/browser_page_dlg.h"

#include <wx/dcbuffer.h>

#include <string>

#include "browser/browser_page_layout.h"
#include "browser/readable_address_ui.h"
#include "favorites/add_favorite_dlg.h"
#include "favorites/favorites_state.h"
#include "favorites/favorites_tree_ui.h"
#include "favorites/organize_favorites_dlg.h"
#include "gui/message_box_ui.h"
#include "gui/pixel_height_font_ui.h"
#include "gui/resource_images_ui.h"
#include "gui/skin_colour_ui.h"
#include "gui/widget_text_ui.h"
#include "subscriptions/subscription_keywords.h"
#include "subscriptions/subscription_tree_ui.h"

namespace orvanta {
namespace {

constexpr int kStartBitmaps[8] = {214, 212, 205, 213, 204, 203, 207, 215};
const char* const kCaptions[8] = {"后退", "前进", "停止", "刷新", "收藏夹", "添加", "整理", "保存"};

int ButtonIndex(int id) {
  for (std::size_t i = 0; i < kToolbarIds.size(); ++i)
    if (kToolbarIds[i] == id) return static_cast<int>(i);
  return -1;
}

}  // namespace

CBrowserPageDlg::CBrowserPageDlg(wxWindow* parent, CPageHost* host, const Text& firstAddress)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL),
      m_pHost(host),
      m_treeImages(16, 22, true),
      m_view(*this, host) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  // The engine comes first: its start-up then runs beside the making of everything else.
  m_pBrowser = std::make_unique<CWebBrowser2>(this, kBrowserId, this, firstAddress);
  for (int image : {221, 220, 221, 220}) m_treeImages.Add(LoadResBitmap(image, 16, 22));

  m_pTree = new wxTreeCtrl(
      this, kTreeId, wxDefaultPosition, wxSize(0, 0),
      wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_NONE);
  m_pTree->SetImageList(&m_treeImages);
  m_bTreeShown = 0;

  m_pSplitter = new wxBitmapButton(this, kSplitterId, LoadResBitmap(182, 7, 300), wxPoint(0, 0),
                                   wxSize(7, 300), wxBORDER_NONE);
  for (std::size_t i = 0; i < kToolbarIds.size(); ++i) {
    const wxBitmap face = LoadResBitmap(kStartBitmaps[i], kToolbarWidths[i], 30);
    m_pButtons[i] = new wxBitmapButton(this, kToolbarIds[i], face, wxDefaultPosition,
                                       wxSize(kToolbarWidths[i], 30), wxBORDER_NONE);
    m_pButtons[i]->SetBitmapDisabled(face);
    m_pButtons[i]->SetToolTip(wxString::FromUTF8(kCaptions[i]));
    m_nButtonBitmaps[i] = kStartBitmaps[i];
  }
  for (int id : {kBackId, kForwardId, kRefreshId, kSaveId}) ToolbarButton(id)->Disable();
  m_pSplitter->SetCursor(wxCursor(wxCURSOR_HAND));
  for (auto* button : m_pButtons) button->SetCursor(wxCursor(wxCURSOR_HAND));

  // Made first, the control still follows the toolbar in the keyboard's order.
  if (wxWindow* view = m_pBrowser->GetWindow()) view->MoveAfterInTabOrder(m_pButtons[7]);
  m_treeFont = MakePixelHeightFont(wxFontInfo().FaceName(wxString::FromUTF8("宋体")), 14);
  m_pTree->SetFont(m_treeFont);

  Bind(wxEVT_SIZE, &CBrowserPageDlg::OnSize, this);
  Bind(wxEVT_PAINT, &CBrowserPageDlg::OnPaint, this);
  Bind(wxEVT_BUTTON, &CBrowserPageDlg::OnButton, this);
  m_pTree->Bind(wxEVT_TREE_ITEM_ACTIVATED, &CBrowserPageDlg::OnTreeActivated, this);
  m_pTree->Bind(wxEVT_TREE_SEL_CHANGING, &CBrowserPageDlg::OnTreeSelection, this);
  m_pTree->Bind(wxEVT_TREE_SEL_CHANGED, &CBrowserPageDlg::OnTreeSelection, this);
  ApplyLayout(true);
}

CBrowserPageDlg::~CBrowserPageDlg() { m_pTree->SetImageList(nullptr); }

wxBitmapButton* CBrowserPageDlg::ToolbarButton(int id) const {
  const int index = ButtonIndex(id);
  return index < 0 ? nullptr : m_pButtons[index];
}

int CBrowserPageDlg::ButtonBitmapId(int id) const {
  if (id == kSplitterId) return m_nSplitterBitmap;
  const int index = ButtonIndex(id);
  return index < 0 ? 0 : m_nButtonBitmaps[index];
}

void CBrowserPageDlg::SetButtonBitmap(int id, int bitmapId) {
  const int index = ButtonIndex(id);
  if (index < 0 || m_nButtonBitmaps[index] == bitmapId) return;
  const wxBitmap face = LoadResBitmap(bitmapId, kToolbarWidths[index], 30);
  m_pButtons[index]->SetBitmap(face);
  m_pButtons[index]->SetBitmapDisabled(face);
  m_nButtonBitmaps[index] = bitmapId;
}

void CBrowserPageDlg::ApplyLayout(bool afterSizeChange) {
  const wxSize size = GetClientSize();
  const BrowserPageLayout layout =
      ComputeBrowserPageLayout(size.x, size.y, m_bTreeShown == 1, afterSizeChange);
  auto place = [](wxWindow* window, const PageRect& r) {
    if (window) window->SetSize(r.x, r.y, std::max(r.width, 0), std::max(r.height, 0));
  };
  place(m_pTree, layout.tree);
  m_pTree->Show(layout.tree.width > 0);
  place(m_pSplitter, layout.splitter);
  if (layout.splitterBitmap != m_nSplitterBitmap) {
    m_pSplitter->SetBitmap(LoadResBitmap(layout.splitterBitmap, 7, 300));
    m_nSplitterBitmap = layout.splitterBitmap;
  }
  if (m_pBrowser && m_pBrowser->GetWindow()) {
    place(m_pBrowser->GetWindow(), layout.browser);
    m_pBrowser->SetHeight(std::max(layout.browserHeight, 0));
    m_pBrowser->SetWidth(std::max(layout.browserWidth, 0));
  }
  for (std::size_t i = 0; i < kToolbarIds.size(); ++i) place(m_pButtons[i], layout.buttons[i]);
  PlaceFindBar();
  Refresh(false);
}

void CBrowserPageDlg::ShowTreePanel(int flag) {
  m_bTreeShown = flag;
  ApplyLayout(false);
  if (auto* save = ToolbarButton(kSaveId)) save->Refresh();
}

void CBrowserPageDlg::ShowFindBar() {
  // Made on first use: the first frame has no need of it.
  if (!m_pFindBar) {
    m_pFindBar = new CFindBar(this, *m_pBrowser);
    PlaceFindBar();
  }
  m_pFindBar->Open();
}

void CBrowserPageDlg::PlaceFindBar() {
  if (!m_pFindBar) return;
  const wxSize size = GetClientSize();
  const PageRect box =
      ComputeFindBoxRect(ComputeBrowserPageLayout(size.x, size.y, m_bTreeShown == 1, true), size.x);
  m_pFindBar->SetSize(box.x, box.y, box.width, box.height);
}

void CBrowserPageDlg::OnSize(wxSizeEvent& event) {
  ApplyLayout(true);
  event.Skip();
}

void CBrowserPageDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(SkinColour()));
  dc.Clear();
  m_band.Paint(dc, GetClientSize().x);
}

void CBrowserPageDlg::OnButton(wxCommandEvent& event) {
  switch (event.GetId()) {
    case kBackId:
      m_pBrowser->GoBack();
      break;
    case kForwardId:
      m_pBrowser->GoForward();
      break;
    case kStopId:
      StopPage();
      break;
    case kRefreshId:
      m_pBrowser->Refresh();
      break;
    case kSaveId:
      m_pBrowser->ExecWB(4, 0);
      break;
    case kSplitterId:
      ShowTreePanel(m_bTreeShown != 1 ? 1 : 0);
      break;
    case kFavoritesId:
      ShowFavorites();
      break;
    case kAddFavoriteId:
      AddFavoriteOfPage(this, m_pBrowser->LocationName(), m_pBrowser->LocationURL());
      break;
    case kOrganizeId:
      OrganizeFavoritesFolder(this);
      break;
    default:
      break;  // nothing goes upward
  }
}

void CBrowserPageDlg::OnCommandStateChange(int command, bool enabled) {
  if (command == 1) {
    SetButtonBitmap(kForwardId, enabled ? 200 : 212);
    ToolbarButton(kForwardId)->Enable(enabled);
  } else if (command == 2) {
    SetButtonBitmap(kBackId, enabled ? 199 : 214);
    ToolbarButton(kBackId)->Enable(enabled);
  } else {
    return;
  }
  SetButtonBitmap(kRefreshId, 206);
  SetButtonBitmap(kSaveId, 202);
  ToolbarButton(kRefreshId)->Enable();
  ToolbarButton(kSaveId)->Enable();
}

void CBrowserPageDlg::OnNavigateComplete2(const Text&) {
  const bool showAddress = m_session.Navigated(m_pBrowser->LocationURL());
  m_strHoverUrl = m_session.HoverUrl();
  if (m_pHost)
    m_pHost->ShowAddress(showAddress ? ReadableAddress(m_pBrowser->CurrentUrl()) : Utf8Text());
}

void CBrowserPageDlg::OnTitleChange(const Text& title) {
  if (m_pHost && !m_pHost->HasPageButtons()) m_pHost->SetCaptionText(title);
}

void CBrowserPageDlg::OnStatusTextChange(const Text& text, bool fromOwnPage) {
  m_session.StatusTextChanged(text, fromOwnPage);
  m_strHoverUrl = m_session.HoverUrl();
}

void CBrowserPageDlg::OnNewWindow2(CNewWindowRequest& request) {
  const LinkAction action = m_session.FollowNewWindow(request.url);
  if (action.kind == LinkActionKind::kOpenInNewWindow && m_pHost)
    request.target = m_pHost->OpenSecondaryWindow().Browser().Application();
  if (action.target == NewWindowTarget::kThisPage) request.target = m_pBrowser->Application();
  if (action.cancel) request.cancel = *action.cancel;
}

void CBrowserPageDlg::FillSubscriptionTree() {
  if (auto message = FillSubscriptionItems(*m_pTree)) ShowWindowMessageBox(*message);
}

void CBrowserPageDlg::OnTreeActivated(wxTreeEvent&) {
  const wxTreeItemId item = m_pTree->GetSelection();
  if (!item.IsOk() || m_pTree->GetChildrenCount(item, false) > 0) return;
  switch (TreeItemNumber(*m_pTree, item)) {
    case kKeywordItemData: {
      m_session.OpenKeywordNewsPage(ToLocalText(m_pTree->GetItemText(item)));
      break;
    }
    case kSubscriptionRootItemData:
      break;
    case kSubscriptionHelpItemData:
      m_session.ShowHelpPage();
      break;
    default:
      // A favorite; a folder item opens nothing.
      if (IsFavoriteShortcutItem(*m_pTree, item) &&
          !FavoritesState::Shared().FavoriteAddress().empty())
        m_pBrowser->Navigate(FavoritesState::Shared().FavoriteAddress());
      break;
  }
}

void CBrowserPageDlg::OnTreeSelection(wxTreeEvent& event) {
  // While changing the caret is still the old item, as the tree reports it.
  ReadTreeFavorite(*m_pTree, event.GetEventType() == wxEVT_TREE_SEL_CHANGING ? event.GetOldItem()
                                                                             : event.GetItem());
}

void CBrowserPageDlg::ShowFavorites() {
  ShowTreePanel(1);
  FillFavoritesTree(*m_pTree);
}

void CBrowserPageDlg::StopPage() {
  if (m_session.GiveUpLoadingPage()) m_pBrowser->RunPageScript("clearInterval(t_id)");
  m_pBrowser->Stop();
}

void CBrowserPageDlg::OnDocumentComplete(const Text&) { m_session.DocumentCompleted(); }

}  // namespace orvanta
