// A secondary window: an ordinary web page with its own address and search box.
#pragma once

#include <string>

#include "gui/band_picture_ui.h"
#include "shell/browser_host_dlg.h"

namespace orvanta {

class CBrowserWindowDlg : public CBrowserHostDlg {
 public:
  // Creates a window that owns itself; the caller navigates its page (or hands its control
  // to a new-window request), hides the tree and shows it.
  static CBrowserWindowDlg* Open();
  // A window with its tree hidden, shown in front.
  static CBrowserWindowDlg* OpenShown();
  // Opens a window on address, with its tree hidden, and shows it.
  static CBrowserWindowDlg* OpenAt(const std::string& address);

  bool HasPageButtons() const override { return false; }

 private:
  CBrowserWindowDlg();
  void OnEscape() override { Close(); }
  void OnCloseKey() override { Close(); }
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnClose(wxCloseEvent& event);

  CBandPicture m_band{217, 2, 33};
};

}  // namespace orvanta
