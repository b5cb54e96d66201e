// A combo box that draws its edit part and list in the program's colours.
#pragma once

#include <wx/colour.h>
#include <wx/combobox.h>

namespace orvanta {

inline const wxColour kComboTextColour(255, 186, 0);
inline const wxColour kComboBackColour(18, 32, 65);

class CColorComboBox : public wxComboBox {
 public:
  CColorComboBox() = default;
  CColorComboBox(wxWindow* parent, wxWindowID id, const wxString& value = wxString(),
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = wxCB_DROPDOWN | wxCB_SORT);
  bool Create(wxWindow* parent, wxWindowID id, const wxString& value = wxString(),
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxCB_DROPDOWN | wxCB_SORT);

  // The width, in pixels, that the edit part leaves for its text.
  int TextRoom() const;

 private:
  // The toolkit keeps the colours with the control, so they are set once, the way the brush
  // was made once per box.
  void ApplyColours();
};

}  // namespace orvanta
