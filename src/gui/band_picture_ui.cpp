#include "gui/band_picture_ui.h"

#include <wx/image.h>

#include <algorithm>

#include "gui/resource_images_ui.h"

namespace orvanta {

CBandPicture::CBandPicture(int resourceId, int fallbackWidth, int fallbackHeight)
    : m_nResourceId(resourceId),
      m_nFallbackWidth(fallbackWidth),
      m_nFallbackHeight(fallbackHeight) {}

void CBandPicture::Paint(wxDC& dc, int width) {
  width = std::max(width, 1);
  if (!m_scaled.IsOk() || m_scaled.GetWidth() != width) {
    wxImage band = LoadResImage(m_nResourceId, m_nFallbackWidth, m_nFallbackHeight);
    if (!band.IsOk() || band.GetHeight() <= 0) return;
    band.Rescale(width, band.GetHeight());
    m_scaled = wxBitmap(band);
  }
  dc.DrawBitmap(m_scaled, 0, 0);
}

}  // namespace orvanta
