// The About box (dialog 138) with its link buttons, and the plain About dialog (100).
#pragma once

#include <wx/dialog.h>
#include <wx/font.h>

namespace orvanta {

struct AboutLink;

class CAboutBoxDlg : public wxDialog {
 public:
  explicit CAboutBoxDlg(wxWindow* parent);

 private:
  void CreateTexts();
  void CreateLinks();
  void OnLink(const AboutLink& link);

  wxFont m_font;
};

// Dialog 100: a title, an empty icon, two lines and an OK button, with no handlers of its own.
class CSmallAboutDlg : public wxDialog {
 public:
  explicit CSmallAboutDlg(wxWindow* parent);
};

// One About box at a time; a second command brings it to the front.
void ShowAboutBox(wxWindow* parent);
void ShowSmallAboutBox(wxWindow* parent);

}  // namespace orvanta
