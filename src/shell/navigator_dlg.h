// The main window: page buttons, address and search box, the home page and the tray icon.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include <wx/timer.h>

#include "pages/media_kinds.h"
#include "shell/browser_host_dlg.h"
#include "shell/caption_layout.h"
#include "shell/caption_skin_ui.h"

namespace orvanta {

class CNavigatorTrayIcon;

class CNavigatorDlg : public CBrowserHostDlg {
 public:
  enum { kNewsId = 1003, kVideoId = 1005, kImageId = 1006, kMusicId = 1007, kHoverTimer = 1 };
  // The window's size when it opens.
  static constexpr int kStartWidth = 850;
  static constexpr int kStartHeight = 570;

  CNavigatorDlg();
  ~CNavigatorDlg() override;

  bool HasPageButtons() const override { return true; }
  wxBitmapButton* PageButton(int id) const;
  // The page button that shows its highlighted face because the pointer rests on it.
  wxBitmapButton* LitPageButton() const { return m_pLitButton; }
  CBrowserPageDlg& HomePage() { return *m_pPage; }

  void OnNewsButton();
  void OnVideoButton();
  void OnImageButton();
  void OnMusicButton();
  void ShowAboutBox();
  // A command of menu 160, from the caption's menu button or the tray icon.
  void RunMenuCommand(int command);
  bool HasTrayIcon() const { return m_pTray != nullptr; }
  // The caption as last painted (empty before the first paint): its cells are the hit
  // rectangles of the caption buttons.
  const CaptionLayout& Caption() const { return m_caption; }

  // The window maximises itself: no system caption offers it, and the height must leave the
  // taskbar visible.
  void Maximize(bool maximise = true) override;
  bool IsMaximized() const override { return m_bMaximised; }

 protected:
  void ShowPage() override;
  void OnEscape() override { Close(); }

 private:
  // The news button's work apart from writing and loading the start page.
  void ShowNewsTree();
  void OpenMediaPage(MediaKind kind);
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  // The page buttons' highlighted faces show only under the pointer: they are read once the
  // first frame is out, not before it.
  void GiveHighlightedFaces();
  void OnHoverTimer(wxTimerEvent& event);
  // The button under the pointer shows its highlighted face, the others their normal one.
  void LightPageButton(wxWindow* under);
  void OnLeftDown(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnCaptionDoubleClick(wxMouseEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void RunCaptionClick(const CaptionClick& click);
  void OnClose(wxCloseEvent& event);

  wxWindow* m_pCurrentPage = nullptr;
  wxBitmapButton* m_pNews = nullptr;
  wxBitmapButton* m_pVideo = nullptr;
  wxBitmapButton* m_pImage = nullptr;
  wxBitmapButton* m_pMusic = nullptr;
  wxTimer m_hoverTimer;
  struct PageButtonLook {
    wxBitmap normal, highlighted;
  };
  std::array<PageButtonLook, 4> m_pageFaces;  // in the order of the page buttons
  wxBitmapButton* m_pLitButton = nullptr;
  std::unique_ptr<CNavigatorTrayIcon> m_pTray;
  CaptionLayout m_caption;
  CSkinPainter m_skin;
  bool m_bMaximised = false;
  bool m_bHighlightedFaces = false;
  wxRect m_normalRect;
  // Where a press on the window's face may start a move, until the pointer goes.
  std::optional<wxPoint> m_dragFrom;
};

}  // namespace orvanta
