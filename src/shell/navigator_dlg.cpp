#include "shell/navigator_dlg.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "browser/browser_address.h"
#include "files/working_folders.h"
#include "files/write_failure_message.h"
#include "files/write_file.h"
#include "gui/message_box_ui.h"
#include "gui/resource_images_ui.h"
#include "pages/media_kinds.h"
#include "pages/page_files.h"
#include "shell/about_box_dlg.h"
#include "shell/caption_drag_ui.h"
#include "shell/caption_menu_ui.h"
#include "shell/caption_skin_ui.h"
#include "shell/navigator_tray_ui.h"
#include "shell/web_search_box_ui.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

bool FileExists(std::string_view name) {
  struct stat status;
  return ::stat(std::string(name).c_str(), &status) == 0;
}

// Writes a page file; a failure is told through the application's message box and the
// caller then does not navigate.
bool WritePageFile(std::string_view name, const Text& text) {
  if (WriteFileAtomically(std::string(name), text, Durability::kNoFlush)) return true;
  ShowAppMessageBox(WriteFailureMessage(std::string(name)));
  return false;
}

// Writes the loading page when it is missing, and the start page before the home page
// exists, so that the engine's first load is the start page itself rather than a blank page
// before it. The start page's address; nothing when it could not be written.
Text WriteStartupPages() {
  PrepareWorkingFolders();
  if (!FileExists(kLoadingPageFile)) WritePageFile(kLoadingPageFile, LoadingPageText());
  return WritePageFile(kStartPageFile, StartPageText()) ? LocalFullName(kStartPageFile) : Text();
}

struct PageButtonFaces {
  int id, normal, highlighted;
};

constexpr PageButtonFaces kPageButtonFaces[] = {{CNavigatorDlg::kNewsId, 142, 153},
                                                {CNavigatorDlg::kVideoId, 150, 149},
                                                {CNavigatorDlg::kImageId, 148, 147},
                                                {CNavigatorDlg::kMusicId, 146, 145}};

// The highlighted face comes later (CNavigatorDlg::GiveHighlightedFaces).
wxBitmapButton* MakePageButton(wxWindow* parent, const PageButtonFaces& faces) {
  const wxBitmap normal = LoadResBitmap(faces.normal, 65, 28);
  auto* button = new wxBitmapButton(parent, faces.id, normal, wxDefaultPosition, wxSize(65, 28),
                                    wxBORDER_NONE);
  button->SetBitmapDisabled(normal);
  button->SetCursor(wxCursor(wxCURSOR_HAND));
  return button;
}

}  // namespace

CNavigatorDlg::CNavigatorDlg()
    : CBrowserHostDlg("Orvanta", wxColour(255, 186, 0),
                      wxBORDER_SIMPLE | wxMINIMIZE_BOX | wxMAXIMIZE_BOX, WriteStartupPages()),
      m_hoverTimer(this, kHoverTimer) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetIcon(LoadResIcon(177));
  m_nFocusField = 1;

  // The tray is a desktop facility; without one the program simply runs without it.
  if (wxTaskBarIcon::IsAvailable()) {
    m_pTray = std::make_unique<CNavigatorTrayIcon>(this);
    if (!m_pTray->IsIconInstalled()) m_pTray.reset();
  }
  SetIcon(LoadResIcon(176));
  SetSize(0, 0, kStartWidth, kStartHeight);

  ShowPage();
  m_pPage->ShowTreePanel(0);

  m_pNews = MakePageButton(this, kPageButtonFaces[0]);
  m_pVideo = MakePageButton(this, kPageButtonFaces[1]);
  m_pImage = MakePageButton(this, kPageButtonFaces[2]);
  m_pMusic = MakePageButton(this, kPageButtonFaces[3]);
  m_pNews->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnNewsButton(); });
  m_pVideo->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnVideoButton(); });
  m_pImage->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnImageButton(); });
  m_pMusic->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMusicButton(); });
  m_pStatus->Raise();

  Bind(wxEVT_TIMER, &CNavigatorDlg::OnHoverTimer, this, kHoverTimer);
  m_hoverTimer.Start(200);

  m_pGo->SetSize(303, 62, 51, 28);
  m_pKeyword->SetSize(363, 62, 289, 28);
  m_pSearch->SetSize(781, 62, 51, 28);
  m_pEngine->SetSize(652, 62, 129, 28);
  m_pNews->SetSize(10, 33, 65, 28);
  m_pVideo->SetSize(90, 33, 65, 28);
  m_pImage->SetSize(170, 33, 65, 28);
  m_pMusic->SetSize(250, 33, 65, 28);

  m_nEngineIndex = ChooseEngineIndex();
  FillEngineBox(*m_pEngine, m_nEngineIndex);

  SetTitle("Orvanta V1.0");
  Bind(wxEVT_SIZE, &CNavigatorDlg::OnSize, this);
  Bind(wxEVT_PAINT, &CNavigatorDlg::OnPaint, this);
  Bind(wxEVT_CLOSE_WINDOW, &CNavigatorDlg::OnClose, this);
  Bind(wxEVT_LEFT_DOWN, &CNavigatorDlg::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CNavigatorDlg::OnCaptionDoubleClick, this);
  Bind(wxEVT_MOTION, &CNavigatorDlg::OnMouseMove, this);
  for (const int command : {kAboutCommand, kExitCommand})
    Bind(
        wxEVT_MENU, [this](wxCommandEvent& event) { RunMenuCommand(event.GetId()); }, command);
  Bind(wxEVT_RIGHT_DOWN, &CNavigatorDlg::OnRightDown, this);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowSmallAboutBox(this); }, kSmallAboutCommand);
  DisplayStatus(m_strStatusText);
  ShowNewsTree();
}

CNavigatorDlg::~CNavigatorDlg() { m_hoverTimer.Stop(); }

wxBitmapButton* CNavigatorDlg::PageButton(int id) const {
  switch (id) {
    case kNewsId:
      return m_pNews;
    case kVideoId:
      return m_pVideo;
    case kImageId:
      return m_pImage;
    case kMusicId:
      return m_pMusic;
    default:
      return nullptr;
  }
}

void CNavigatorDlg::ShowPage() {
  if (m_pCurrentPage && m_pCurrentPage != m_pPage) m_pCurrentPage->Hide();
  m_pPage->Show();
  m_pCurrentPage = m_pPage;
  FitPageToTab();
}

void CNavigatorDlg::ShowNewsTree() {
  ShowPage();
  m_pPage->ShowTreePanel(1);
  m_pPage->FillSubscriptionTree();
}

void CNavigatorDlg::OnNewsButton() {
  ShowNewsTree();
  if (WritePageFile(kStartPageFile, StartPageText()))
    m_pPage->Browser().Navigate(LocalFullName(kStartPageFile));
}

void CNavigatorDlg::OpenMediaPage(MediaKind kind) {
  const MediaKindRow& media = MediaKindRowOf(kind);
  ShowPage();
  m_pPage->ShowTreePanel(0);
  m_pPage->FillSubscriptionTree();
  if (!WritePageFile(media.pageFile, media.pageText())) return;
  // A list left from an earlier search page must never show on the new one.
  if (FileExists(media.listFile)) std::remove(std::string(media.listFile).c_str());
  m_pPage->Session().ResetMediaLists();
  m_pPage->Browser().Navigate(LocalFullName(media.pageFile));
}

void CNavigatorDlg::OnVideoButton() { OpenMediaPage(MediaKind::kVideo); }
void CNavigatorDlg::OnImageButton() { OpenMediaPage(MediaKind::kImage); }
void CNavigatorDlg::OnMusicButton() { OpenMediaPage(MediaKind::kMusic); }

void CNavigatorDlg::ShowAboutBox() { orvanta::ShowAboutBox(this); }

void CNavigatorDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  LayOutRows(62, 98);
  m_pNews->SetSize(10, 33, 65, 28);
  m_pVideo->SetSize(90, 33, 65, 28);
  m_pImage->SetSize(170, 33, 65, 28);
  m_pMusic->SetSize(250, 33, 65, 28);
  Refresh(false);
}

void CNavigatorDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetSize();
  m_caption = LayOutCaption(size.x, size.y, IsMaximized());
  m_skin.Paint(dc, m_caption, size, GetBackgroundColour());
  if (!m_bHighlightedFaces) {
    m_bHighlightedFaces = true;
    CallAfter(&CNavigatorDlg::GiveHighlightedFaces);
  }
}

void CNavigatorDlg::GiveHighlightedFaces() {
  for (std::size_t i = 0; i < std::size(kPageButtonFaces); ++i) {
    const PageButtonFaces& faces = kPageButtonFaces[i];
    wxBitmapButton* button = PageButton(faces.id);
    m_pageFaces[i] = {button->GetBitmapLabel(), LoadResBitmap(faces.highlighted, 65, 28)};
    button->SetBitmapPressed(m_pageFaces[i].highlighted);
    button->SetBitmapFocus(m_pageFaces[i].highlighted);
  }
}

void CNavigatorDlg::LightPageButton(wxWindow* under) {
  // The pointer may cross from one button to the next within a tick: the one lit before goes
  // dark whichever comes first.
  wxBitmapButton* const litBefore = m_pLitButton;
  m_pLitButton = nullptr;
  for (std::size_t i = 0; i < std::size(kPageButtonFaces); ++i) {
    wxBitmapButton* button = PageButton(kPageButtonFaces[i].id);
    const PageButtonLook& faces = m_pageFaces[i];
    if (!button || !faces.highlighted.IsOk()) continue;
    const bool lit = button == under;
    if (lit) m_pLitButton = button;
    if (lit != (button == litBefore))
      button->SetBitmapLabel(lit ? faces.highlighted : faces.normal);
  }
}

void CNavigatorDlg::Maximize(bool maximise) {
  if (maximise == m_bMaximised) return;
  m_bMaximised = maximise;
  if (maximise) {
    m_normalRect = GetRect();
    const wxRect work = wxDisplay(this).GetClientArea();
    // The window lies inside the work area, so no frame of it hangs off the screen.
    const CaptionMetrics metrics;
    const int caption = metrics.frameHeight + metrics.sizeHeight;
    SetSize(work.x, work.y, work.width, MaximisedHeight(work.height - caption, 0, caption));
  } else {
    SetSize(m_normalRect);
  }
  Refresh(false);
}

void CNavigatorDlg::OnLeftDown(wxMouseEvent& event) {
  const CaptionClick click = ClickCaption(m_caption, IsMaximized(), event.GetX(), event.GetY());
  RunCaptionClick(click);
  // The move begins once the pointer moves with the button held, so that a second click can
  // still make a double click.
  m_dragFrom = click.startsDrag ? std::optional<wxPoint>(event.GetPosition()) : std::nullopt;
}

void CNavigatorDlg::OnMouseMove(wxMouseEvent& event) {
  event.Skip();
  if (!m_dragFrom) return;
  if (!event.LeftIsDown()) {
    m_dragFrom.reset();
    return;
  }
  const wxPoint moved = event.GetPosition() - *m_dragFrom;
  if (std::abs(moved.x) < wxSystemSettings::GetMetric(wxSYS_DRAG_X) &&
      std::abs(moved.y) < wxSystemSettings::GetMetric(wxSYS_DRAG_Y))
    return;
  BeginWindowMove(*this, ClientToScreen(*m_dragFrom));
  m_dragFrom.reset();
}

void CNavigatorDlg::OnCaptionDoubleClick(wxMouseEvent& event) {
  // As on any window's caption: away from its buttons, a double click maximises or restores.
  if (!m_caption.captionBand.Contains(event.GetX(), event.GetY()) ||
      CaptionButtonAt(m_caption, event.GetX(), event.GetY()) != CaptionButton::kNone)
    return;
  Maximize(!IsMaximized());
}

void CNavigatorDlg::OnRightDown(wxMouseEvent& event) {
  if (!m_caption.captionBand.Contains(event.GetX(), event.GetY())) return;
  std::unique_ptr<wxMenu> menu(CreateSystemMenu());
  PopupMenu(menu.get(), event.GetPosition());
}

void CNavigatorDlg::RunCaptionClick(const CaptionClick& click) {
  switch (click.action) {
    case CaptionAction::kOpenMenu: {
      std::unique_ptr<wxMenu> menu(CreateCaptionMenu());
      PopupMenu(menu.get(), click.menuX, click.menuY);
      break;
    }
    case CaptionAction::kMinimise:
      Iconize(true);
      break;
    case CaptionAction::kMaximise:
      Maximize(true);
      break;
    case CaptionAction::kRestore:
      Maximize(false);
      break;
    case CaptionAction::kClose:
      Close();
      break;
    case CaptionAction::kNone:
      break;
  }
}

void CNavigatorDlg::RunMenuCommand(int command) {
  if (command == kAboutCommand) ShowAboutBox();
  if (command == kExitCommand) Close();
}

void CNavigatorDlg::OnHoverTimer(wxTimerEvent&) {
  // The face changes, the keyboard stays where the user put it: a button that took it would
  // eat what is typed into a box and press itself on a blank.
  LightPageButton(wxFindWindowAtPoint(wxGetMousePosition()));
}

void CNavigatorDlg::OnClose(wxCloseEvent& event) {
  if (event.CanVeto() && !AskWindowQuestion(Gbk("所有打开的窗口都关闭?"))) {
    event.Veto();
    return;
  }
  m_hoverTimer.Stop();
  if (m_pTray) {
    m_pTray->RemoveIcon();
    m_pTray.reset();
  }
  // Secondary windows end with the program.
  for (wxWindow* window : wxTopLevelWindows)
    if (window != this) window->Destroy();
  Destroy();
  if (wxTheApp) wxTheApp->ExitMainLoop();
}

}  // namespace orvanta
