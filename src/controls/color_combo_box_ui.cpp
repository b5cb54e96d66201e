#include "controls/color_combo_box_ui.h"

namespace orvanta {

CColorComboBox::CColorComboBox(wxWindow* parent, wxWindowID id, const wxString& value,
                               const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, value, pos, size, style);
}

bool CColorComboBox::Create(wxWindow* parent, wxWindowID id, const wxString& value,
                            const wxPoint& pos, const wxSize& size, long style) {
  if (!wxComboBox::Create(parent, id, value, pos, size, 0, nullptr, style)) return false;
  ApplyColours();
  return true;
}

void CColorComboBox::ApplyColours() {
  SetForegroundColour(kComboTextColour);
  SetBackgroundColour(kComboBackColour);
}

}  // namespace orvanta
