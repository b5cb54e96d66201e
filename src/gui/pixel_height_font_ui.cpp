#include "gui/pixel_height_font_ui.h"

#include <algorithm>

#include <wx/dcscreen.h>

namespace orvanta {
namespace {

int CharHeightAt(wxDC& dc, wxFont& font, int pointSize) {
  font.SetPointSize(pointSize);
  dc.SetFont(font);
  return dc.GetCharHeight();
}

}  // namespace

wxFont MakePixelHeightFont(const wxFontInfo& info, int pixelHeight) {
  wxFont font(info);
  wxScreenDC dc;
  const int startSize = std::max(font.GetPointSize(), 1);
  const int startHeight = std::max(CharHeightAt(dc, font, startSize), 1);
  // Cell heights grow about in step with the point size, so one measurement lands next to the
  // answer; the steps below only settle the last point. The bound keeps an odd face from
  // walking on.
  const int maxSize = std::max(pixelHeight, 1) * 4;
  int size = std::clamp(pixelHeight * startSize / startHeight, 1, maxSize);
  while (size > 1 && CharHeightAt(dc, font, size) > pixelHeight) --size;
  while (size < maxSize && CharHeightAt(dc, font, size + 1) <= pixelHeight) ++size;
  font.SetPointSize(size);
  return font;
}

}  // namespace orvanta
