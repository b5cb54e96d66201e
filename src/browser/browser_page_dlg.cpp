#include "browser/browser_page_dlg.h"

#include <wx/dcbuffer.h>

#include <future>
#include <memory>
#include <string>

#include "browser/browser_address.h"
#include "browser/browser_page_layout.h"
#include "browser/readable_address_ui.h"
#include "favorites/add_favorite_dlg.h"
#include "favorites/favorite_messages.h"
#include "favorites/favorite_path.h"
#include "favorites/favorites_state.h"
#include "favorites/favorites_tree_ui.h"
#include "favorites/organize_favorites_dlg.h"
#include "files/write_failure_message.h"
#include "files/write_file.h"
#include "gui/resource_images_ui.h"
#include "gui/skin_colour_ui.h"
#include "gui/message_box_ui.h"
#include "gui/window_thread_ui.h"
#include "gui/widget_text_ui.h"
#include "jobs/link_route.h"
#include "jobs/media_list_job.h"
#include "jobs/news_jobs.h"
#include "pages/feed_progress.h"
#include "pages/page_files.h"
#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_file.h"
#include "subscriptions/subscription_keywords.h"
#include "subscriptions/subscription_tree_ui.h"

namespace orvanta {
namespace {

constexpr int kStartBitmaps[8] = {214, 212, 205, 213, 204, 203, 207, 215};
const char* const kCaptions[8] = {"后退", "前进", "停止", "刷新", "收藏夹", "添加", "整理", "保存"};

// The program's own pages and pseudo-links never show in the address box.
bool IsOwnAddress(const Text& url) {
  for (const char* marker :
       {"ttp://dy/#", "ttp://ss/#", "ttp://dh/#", "temp/~", "sc/jz", "sc/~astq"}) {
    if (ContainsBeyondStart(url, marker)) return true;
  }
  return false;
}

int ButtonIndex(int id) {
  for (std::size_t i = 0; i < kToolbarIds.size(); ++i)
    if (kToolbarIds[i] == id) return static_cast<int>(i);
  return -1;
}

bool IsLoadingPageUrl(std::string_view url) {
  const std::string tail = "/" + std::string(kLoadingPageFile);
  return url.size() >= tail.size() && url.substr(url.size() - tail.size()) == tail;
}

// Shows the job's message and holds the job, not the windows, until the box is closed.
void WaitForJobMessageBox(const Text& message) {
  auto shown = std::make_shared<std::promise<void>>();
  std::future<void> closed = shown->get_future();
  PostToWindowThread([message, shown] { ShowJobMessageBox(message, [shown] { shown->set_value(); }); });
  closed.wait();  // also ends when the call is dropped at exit
}

}  // namespace

CBrowserPageDlg::CBrowserPageDlg(wxWindow* parent, CPageHost* host, const Text& firstAddress)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL),
      m_pHost(host),
      m_treeImages(16, 22, true) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  // The engine comes first: its start-up then runs beside the making of everything else.
  m_pBrowser = std::make_unique<CWebBrowser2>(this, kBrowserId, this, firstAddress);
  for (int image : {221, 220, 221, 220}) m_treeImages.Add(LoadResBitmap(image, 16, 22));

  m_pTree = new wxTreeCtrl(this, kTreeId, wxDefaultPosition, wxSize(0, 0),
                           wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT |
                               wxTR_SINGLE | wxBORDER_NONE);
  m_pTree->SetImageList(&m_treeImages);
  m_bTreeShown = 0;

  m_pSplitter = new wxBitmapButton(this, kSplitterId, LoadResBitmap(182, 7, 300),
                                   wxPoint(0, 0), wxSize(7, 300), wxBORDER_NONE);
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
  m_treeFont = wxFont(wxFontInfo(wxSize(0, 14)).FaceName(wxString::FromUTF8("宋体")));
  m_pTree->SetFont(m_treeFont);
  m_nMediaLists = 0;

  Bind(wxEVT_SIZE, &CBrowserPageDlg::OnSize, this);
  Bind(wxEVT_PAINT, &CBrowserPageDlg::OnPaint, this);
  Bind(wxEVT_BUTTON, &CBrowserPageDlg::OnButton, this);
  m_pTree->Bind(wxEVT_TREE_ITEM_ACTIVATED, &CBrowserPageDlg::OnTreeActivated, this);
  m_pTree->Bind(wxEVT_TREE_SEL_CHANGING, &CBrowserPageDlg::OnTreeSelection, this);
  m_pTree->Bind(wxEVT_TREE_SEL_CHANGED, &CBrowserPageDlg::OnTreeSelection, this);
  ApplyLayout(true);
}

CBrowserPageDlg::~CBrowserPageDlg() {
  *m_pAlive = false;
  m_pAlive.reset();
  m_pTree->SetImageList(nullptr);
}

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
  const PageRect box = ComputeFindBoxRect(
      ComputeBrowserPageLayout(size.x, size.y, m_bTreeShown == 1, true), size.x);
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
    case kBackId: m_pBrowser->GoBack(); break;
    case kForwardId: m_pBrowser->GoForward(); break;
    case kStopId: StopPage(); break;
    case kRefreshId: m_pBrowser->Refresh(); break;
    case kSaveId: m_pBrowser->ExecWB(4, 0); break;
    case kSplitterId: ShowTreePanel(m_bTreeShown != 1 ? 1 : 0); break;
    case kFavoritesId: ShowFavorites(); break;
    case kAddFavoriteId: AddFavorite(); break;
    case kOrganizeId: OrganizeFavorites(); break;
    default: break;  // nothing goes upward
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
  // What the pointer rested on belonged to the page before.
  m_strHoverUrl.clear();
  m_bHoverFromOwnPage = false;
  if (m_bStatusShowsLink && m_pHost) m_pHost->SetStatusLineText(StatusLineText(Text()));
  m_bStatusShowsLink = false;
  const Text url = m_pBrowser->LocationURL();
  if (m_pHost)
    m_pHost->ShowAddress(IsOwnAddress(url) ? std::string() : ReadableAddress(m_pBrowser->CurrentUrl()));
  Text listFile;
  if (ContainsBeyondStart(url, "sc/jz2")) listFile = kVideoListFile;
  if (ContainsBeyondStart(url, "sc/jz3")) listFile = kImageListFile;
  if (ContainsBeyondStart(url, "sc/jz4")) listFile = kMusicListFile;
  if (!listFile.empty() && m_nMediaLists < 1) {
    ++m_nMediaLists;
    OpenMediaLists(listFile);
  }
}

void CBrowserPageDlg::OnTitleChange(const Text& title) {
  if (m_pHost && !m_pHost->HasPageButtons()) m_pHost->SetCaptionText(title);
}

void CBrowserPageDlg::OnStatusTextChange(const Text& text, bool fromOwnPage) {
  if (RememberHoverUrl(m_strHoverUrl, text)) m_bHoverFromOwnPage = fromOwnPage;
  m_bStatusShowsLink = !text.empty();
  if (m_pHost) m_pHost->SetStatusLineText(StatusLineText(text));
}

void CBrowserPageDlg::OnNewWindow2(CNewWindowRequest& request) {
  const LinkAction action = RouteNewWindow(m_strHoverUrl, m_bHoverFromOwnPage, request.url);
  switch (action.kind) {
    case LinkActionKind::kChangeSubscription:
      ChangeSubscription(action.keyword, action.flag);
      break;
    case LinkActionKind::kOpenTopic:
      OpenTopicPage(action.number);
      break;
    case LinkActionKind::kKeywordNews:
      OpenKeywordNewsPage(action.keyword);
      break;
    case LinkActionKind::kShowMessage:
      ShowWindowMessageBox(action.message);
      break;
    case LinkActionKind::kOpenAddress:
      if (m_pHost) m_pHost->OpenSecondaryWindow().Browser().Navigate(action.address);
      break;
    case LinkActionKind::kOpenInNewWindow:
      if (m_pHost) request.target = m_pHost->OpenSecondaryWindow().Browser().Application();
      break;
    case LinkActionKind::kNothing:
      break;
  }
  if (action.target == NewWindowTarget::kThisPage) request.target = m_pBrowser->Application();
  if (action.cancel) request.cancel = *action.cancel;
}

void CBrowserPageDlg::FillSubscriptionTree() {
  if (auto message = FillSubscriptionItems(*m_pTree)) ShowWindowMessageBox(*message);
}

void CBrowserPageDlg::ChangeSubscription(const Text& keyword, int flag) {
  const SubscriptionChange change =
      ::orvanta::ChangeSubscription(std::string(kSubscriptionFileName), keyword, flag);
  ShowWindowMessageBox(change.message);
  if (change.RefillTree()) FillSubscriptionTree();
}

void CBrowserPageDlg::OnTreeActivated(wxTreeEvent&) {
  const wxTreeItemId item = m_pTree->GetSelection();
  if (!item.IsOk() || m_pTree->GetChildrenCount(item, false) > 0) return;
  switch (TreeItemNumber(*m_pTree, item)) {
    case kKeywordItemData: {
      const Text keyword = ToLocalText(m_pTree->GetItemText(item));
      m_strSubject = keyword;
      OpenKeywordNewsPage(keyword);
      break;
    }
    case kSubscriptionRootItemData:
      break;
    case kSubscriptionHelpItemData:
      ShowHelpPage();
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

void CBrowserPageDlg::AddFavorite() {
  const std::string folder = FavoritesFolderPath();
  if (folder.empty()) return;  // no home: nothing to add to, and nothing is said
  Text title = m_pBrowser->LocationName();
  if (title.size() > 259) title.resize(259);
  CAddFavoriteDlg dialog(this, folder, title, m_pBrowser->LocationURL());
  dialog.ShowModal();
}

void CBrowserPageDlg::OrganizeFavorites() {
  const std::string folder = MakeFavoritesFolder();
  if (folder.empty()) {
    ShowErrorMessageBox(kNoFavoritesFolderMessage);
    return;
  }
  COrganizeFavoritesDlg dialog(this, folder);
  dialog.ShowModal();
}

void CBrowserPageDlg::ShowHelpPage() {
  if (!WriteFileAtomically(std::string(kHelpPageFile), HelpPageText(), Durability::kNoFlush)) {
    ShowAppMessageBox(WriteFailureMessage(std::string(kHelpPageFile)));
    return;
  }
  m_pBrowser->Navigate(LocalFullName(kHelpPageFile));
}

void CBrowserPageDlg::ShowLoadingPage() {
  // A job started from the loading page itself still came from the page before it.
  const std::string current = m_pBrowser->CurrentUrl();
  if (!IsLoadingPageUrl(current)) m_strBeforeLoading = current;
  ++m_nLoadingTicket;
  m_pPendingFinish = nullptr;
  m_pBrowser->Navigate(LocalFullName(kLoadingPageFile));
}

void CBrowserPageDlg::StopPage() {
  if (IsLoadingPageUrl(m_pBrowser->CurrentUrl())) {
    ++m_nLoadingTicket;
    m_pPendingFinish = nullptr;
    m_pBrowser->RunPageScript("clearInterval(t_id)");
  }
  m_pBrowser->Stop();
}

bool CBrowserPageDlg::ShowsLoadingPage() const {
  return IsLoadingPageUrl(m_pBrowser->CurrentUrl()) && IsLoadingPageUrl(m_pBrowser->LoadedURL());
}

void CBrowserPageDlg::FinishNewsJob(int ticket, const NewsJobResult& result) {
  // The user went elsewhere, or a later job took the loading page over: nothing to show.
  if (ticket != m_nLoadingTicket) return;
  if (!ShowsLoadingPage()) {
    // Not loaded yet: finish as soon as it is, unless the user leaves it first.
    if (IsLoadingPageUrl(m_pBrowser->CurrentUrl()))
      m_pPendingFinish = [this, ticket, result] { FinishNewsJob(ticket, result); };
    return;
  }
  // The loading page gives its place in the history to what the job brought: the first
  // page, or, when it wrote none, the page the user came from.
  if (!result.firstPage.empty())
    m_pBrowser->ReplaceWith(AddressToUrl(LocalFullName(result.firstPage)));
  else if (!m_strBeforeLoading.empty())
    m_pBrowser->ReplaceWith(m_strBeforeLoading);
}

void CBrowserPageDlg::OpenTopicPage(const Text& number) {
  ShowLoadingPage();
  m_strSubject = number;
  StartPageJob(kTopicNewsJob, 2);
}

void CBrowserPageDlg::OpenKeywordNewsPage(const Text& keyword) {
  ShowLoadingPage();
  m_strSubject = keyword;
  const auto sources = KeywordNewsSources(keyword);
  m_strSource1 = sources[0];
  m_strSource2 = sources[1];
  m_strSource3 = sources[2];
  m_strSource4 = sources[3];
  m_strSource5 = sources[4];
  StartPageJob(kKeywordNewsJob, 1);
}

void CBrowserPageDlg::OpenMediaLists(const Text& listFile) {
  m_strSubject = listFile;
  const MediaListSources sources = ChooseMediaListSources(listFile);
  m_strSource1 = sources.source1;
  m_strSource2 = sources.source2;
  m_strSource3 = sources.source3;
  m_strSource4 = sources.source4;
  m_strSource5 = sources.source5;
  StartPageJob(333, 3);
}

void CBrowserPageDlg::StartPageJob(int number, int kind) {
  m_strJobNumber = std::to_string(number);
  // The job takes its own copies now: the page may change or vanish while it runs.
  const Text subject = m_strSubject;
  const std::weak_ptr<bool> alive = m_pAlive;
  const int ticket = m_nLoadingTicket;
  CPageHost* host = m_pHost;
  // The window's status line follows the feeds as they come in.
  const FeedProgressSink progress = [alive, host](const FeedProgress& now) {
    PostToWindowThread([alive, host, text = FeedProgressStatusText(now)] {
      if (!alive.expired() && host) host->ShowJobProgress(text);
    });
  };
  auto finishWhenDone = [this, alive, ticket, host](NewsJobResult result) -> std::function<void()> {
    return [this, alive, ticket, host, result = std::move(result)] {
      m_newsJobs.Ended();
      if (host) host->EndJobProgress();
      if (result.sourcesReport) ShowJobMessageBox(*result.sourcesReport, {});
      if (!result.message) return FinishNewsJob(ticket, result);
      // The box holds no window; the page may be gone by the time it is closed.
      ShowJobMessageBox(*result.message, [this, alive, ticket, result] {
        if (!alive.expired()) FinishNewsJob(ticket, result);
      });
    };
  };
  if (kind == 3) {
    const MediaListSources sources{m_strSource1, m_strSource2, m_strSource3, m_strSource4,
                                   m_strSource5};
    StartDetachedJob(alive, [subject, sources]() -> std::function<void()> {
      RunMediaListJob(subject, sources, WaitForJobMessageBox);
      return {};
    });
    return;
  }
  m_newsJobs.Start([alive, subject, progress, finishWhenDone, kind] {
    StartDetachedJob(alive, [subject, progress, finishWhenDone, kind] {
      NewsJobResult result;
      try {
        result = kind == 1 ? RunKeywordNewsJob(subject, progress) : RunTopicNewsJob(subject, progress);
      } catch (...) {
        // Nothing written: the page goes back to where it was, and the slot is free again.
      }
      return finishWhenDone(std::move(result));
    });
  });
}

void CBrowserPageDlg::OnDocumentComplete(const Text&) {
  if (m_pPendingFinish && ShowsLoadingPage()) std::exchange(m_pPendingFinish, nullptr)();
}

}  // namespace orvanta
