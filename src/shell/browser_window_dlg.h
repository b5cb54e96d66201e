// A secondary window: an ordinary web page with its own address and search box.
#pragma once

#include "shell/browser_host_dlg.h"

namespace orvanta {

class CBrowserWindowDlg : public CBrowserHostDlg {
 public:
  // Creates a window that owns itself; the caller navigates its page (or hands its control
  // to a new-window request), hides the tree and shows it.
  static CBrowserWindowDlg* Open();

  bool HasPageButtons() const override { return false; }

 private:
  CBrowserWindowDlg();
  void OnEscape() override { Close(); }
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnClose(wxCloseEvent& event);
};

}  // namespace orvanta
