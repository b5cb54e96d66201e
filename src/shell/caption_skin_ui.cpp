#include "shell/caption_skin_ui.h"

#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/image.h>

#include <algorithm>

#include "gui/resource_images_ui.h"

namespace orvanta {
namespace {

wxColour FromRgb(std::uint32_t rgb) {
  return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

wxRect ToRect(const CaptionRect& rect) {
  return wxRect(rect.left, rect.top, rect.Width(), rect.Height());
}

const wxBitmap& CaptionIcon() {
  static const wxBitmap icon(
      LoadResBitmap(kCaptionIconResource, kCaptionIconSize, kCaptionIconSize)
          .ConvertToImage()
          .Scale(kCaptionIconSize, kCaptionIconSize, wxIMAGE_QUALITY_HIGH));
  return icon;
}

// Only the copied width of a face shows; a face narrower than that leaves the rest of its
// cell to whatever lies beneath.
void PaintButton(wxDC& dc, const CaptionBitmapCell& cell) {
  wxBitmap face = LoadResBitmap(cell.bitmap, cell.copiedWidth, cell.cell.Height());
  wxMemoryDC source(face);
  dc.Blit(cell.cell.left, cell.cell.top, std::min(cell.copiedWidth, face.GetWidth()),
          std::min(cell.cell.Height(), face.GetHeight()), &source, 0, 0);
}

void PaintTitle(wxDC& dc, const CaptionRect& title) {
  static const wxFont font(wxFontInfo(wxSize(0, kCaptionTitleHeight))
                               .Family(wxFONTFAMILY_SWISS)
                               .FaceName(wxString(kCaptionTitleFace.data(), kCaptionTitleFace.size()))
                               .Bold());
  wxDCClipper clip(dc, ToRect(title));
  dc.SetFont(font);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(FromRgb(kCaptionTitle));
  dc.DrawText(wxString(kCaptionTitleText.data(), kCaptionTitleText.size()), title.left, title.top);
}

}  // namespace

void PaintSkinBackground(wxDC& dc, int windowWidth) {
  const CaptionRect target = BackgroundTarget(windowWidth);
  wxBitmap picture = LoadResBitmap(kBackgroundResource, kBackgroundWidth, kBackgroundHeight);
  wxMemoryDC source(picture);
  dc.StretchBlit(target.left, target.top, target.Width(), target.Height(), &source, 0, 0,
                 kBackgroundWidth, kBackgroundHeight);
}

void PaintCaption(wxDC& dc, const CaptionLayout& layout) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(FromRgb(kCaptionFill)));
  for (const CaptionRect& band :
       {layout.captionBand, layout.leftBand, layout.bottomBand, layout.rightBand})
    dc.DrawRectangle(ToRect(band));
  dc.DrawBitmap(CaptionIcon(), layout.icon.left, layout.icon.top, true);
  for (const CaptionBitmapCell& cell : layout.buttons) PaintButton(dc, cell);
  PaintTitle(dc, layout.title);
}

}  // namespace orvanta
