// A toolbar band: a resource picture stretched to the window's width at its own height.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

namespace orvanta {

class CBandPicture {
 public:
  CBandPicture(int resourceId, int fallbackWidth, int fallbackHeight);

  // Draws the band at the top left of dc. It is scaled once per width and then only
  // copied, so a paint that follows a change of some control over it stays cheap.
  void Paint(wxDC& dc, int width);

 private:
  int m_nResourceId;
  int m_nFallbackWidth;
  int m_nFallbackHeight;
  wxBitmap m_scaled;
};

}  // namespace orvanta
