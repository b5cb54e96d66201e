// The find box of a browser page: finds text in the page as the user types.
#pragma once

#include <wx/textctrl.h>

namespace orvanta {

class CWebBrowser2;

class CFindBar : public wxTextCtrl {
 public:
  CFindBar(wxWindow* parent, CWebBrowser2& browser);

  // Shows the box with its text selected and gives it the keyboard.
  void Open();
  // Hides the box, clears the page's highlight and gives the keyboard back to the page.
  void Close();

 private:
  void OnKeyDown(wxKeyEvent& event);

  CWebBrowser2& m_browser;
};

}  // namespace orvanta
