#include "shell/caption_skin_ui.h"

#include <wx/font.h>
#include <wx/image.h>

#include <algorithm>
#include <future>

#include "gui/pixel_height_font_ui.h"
#include "gui/resource_images_ui.h"
#include "gui/skin_colour_ui.h"

namespace orvanta {
namespace {

wxColour FromRgb(std::uint32_t rgb) {
  return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

wxRect ToRect(const CaptionRect& rect) {
  return wxRect(rect.left, rect.top, rect.Width(), rect.Height());
}

const wxBitmap& CaptionIcon() {
  static const wxBitmap icon(LoadResBitmap(kCaptionIconResource, kCaptionIconSize, kCaptionIconSize)
                                 .ConvertToImage()
                                 .Scale(kCaptionIconSize, kCaptionIconSize, wxIMAGE_QUALITY_HIGH));
  return icon;
}

// Only the copied width of a face shows; a face narrower than that leaves the rest of its
// cell to whatever lies beneath.
void PaintButton(wxDC& dc, const CaptionBitmapCell& cell) {
  const wxBitmap face = LoadResBitmap(cell.bitmap, cell.copiedWidth, cell.cell.Height());
  const wxSize shown(std::min(cell.copiedWidth, face.GetWidth()),
                     std::min(cell.cell.Height(), face.GetHeight()));
  dc.DrawBitmap(shown == face.GetSize() ? face : face.GetSubBitmap(wxRect(shown)), cell.cell.left,
                cell.cell.top);
}

void PaintTitle(wxDC& dc, const CaptionRect& title) {
  static const wxFont font = MakePixelHeightFont(
      wxFontInfo()
          .Family(wxFONTFAMILY_SWISS)
          .FaceName(wxString(kCaptionTitleFace.data(), kCaptionTitleFace.size()))
          .Bold(),
      kCaptionTitleHeight);
  wxDCClipper clip(dc, ToRect(title));
  dc.SetFont(font);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(FromRgb(kCaptionTitle));
  dc.DrawText(wxString(kCaptionTitleText.data(), kCaptionTitleText.size()), title.left, title.top);
}

// The background picture at the window's width, colour on colour: columns are dropped or
// repeated, never blended.
wxImage ScaleBackground(const wxImage& picture, int windowWidth) {
  const CaptionRect target = BackgroundTarget(windowWidth);
  return picture.Scale(target.Width(), target.Height(), wxIMAGE_QUALITY_NEAREST);
}

struct BackgroundReadAhead {
  int width = 0;
  std::future<wxImage> scaled;
};

BackgroundReadAhead& ReadAhead() {
  static BackgroundReadAhead readAhead;
  return readAhead;
}

// The picture read ahead for this width, taken once; otherwise it is read now.
wxImage BackgroundFor(int windowWidth) {
  BackgroundReadAhead& ahead = ReadAhead();
  if (ahead.scaled.valid()) {
    wxImage scaled = ahead.scaled.get();
    if (ahead.width == windowWidth) return scaled;
  }
  return ScaleBackground(LoadResImage(kBackgroundResource, kBackgroundWidth, kBackgroundHeight),
                         windowWidth);
}

void PaintCaption(wxDC& dc, const CaptionLayout& layout) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(SkinColour()));
  for (const CaptionRect& band :
       {layout.captionBand, layout.leftBand, layout.bottomBand, layout.rightBand})
    dc.DrawRectangle(ToRect(band));
  dc.DrawBitmap(CaptionIcon(), layout.icon.left, layout.icon.top, true);
  for (const CaptionBitmapCell& cell : layout.buttons) PaintButton(dc, cell);
  PaintTitle(dc, layout.title);
}

}  // namespace

void ReadBackgroundAhead(int windowWidth) {
  BackgroundReadAhead& ahead = ReadAhead();
  ahead.width = std::max(windowWidth, 1);
  ahead.scaled = LoadResImageAside(
      kBackgroundResource, kBackgroundWidth, kBackgroundHeight,
      [width = ahead.width](const wxImage& picture) { return ScaleBackground(picture, width); });
}

void CSkinPainter::Paint(wxDC& dc, const CaptionLayout& layout, const wxSize& windowSize,
                         const wxColour& fill) {
  if (!m_background.IsOk() || m_background.GetWidth() != std::max(windowSize.x, 1))
    m_background = wxBitmap(BackgroundFor(std::max(windowSize.x, 1)));
  dc.DrawBitmap(m_background, 0, 0);
  if (windowSize.y > m_background.GetHeight()) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(fill));
    dc.DrawRectangle(0, m_background.GetHeight(), windowSize.x,
                     windowSize.y - m_background.GetHeight());
  }
  PaintCaption(dc, layout);
}

}  // namespace orvanta
