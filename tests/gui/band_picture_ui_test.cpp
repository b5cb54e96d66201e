// The toolbar band, scaled once per width.
#include "gui/band_picture_ui.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "gui/resource_images_ui.h"

namespace orvanta {
namespace {

wxColour PixelAt(const wxBitmap& bitmap, int x, int y) {
  const wxImage image = bitmap.ConvertToImage();
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Each paint goes on a black sheet of the given width, so whatever the band leaves out shows.
wxBitmap PaintOnSheet(CBandPicture& band, int width) {
  wxBitmap sheet(width, 40);
  wxMemoryDC dc(sheet);
  dc.SetBackground(*wxBLACK_BRUSH);
  dc.Clear();
  band.Paint(dc, width);
  dc.SelectObject(wxNullBitmap);
  return sheet;
}

TEST(CBandPicture, CoversTheWholeWidthAndFollowsAWiderWindow) {
  const wxImage source = LoadResImage(201, 4, 30);
  const wxColour row10(source.GetRed(0, 10), source.GetGreen(0, 10), source.GetBlue(0, 10));
  CBandPicture band(201, 4, 30);
  EXPECT_EQ(PixelAt(PaintOnSheet(band, 300), 299, 10), row10);
  // Scaled for 300 pixels before, it must not stop there now.
  const wxBitmap wider = PaintOnSheet(band, 700);
  EXPECT_EQ(PixelAt(wider, 699, 10), row10);
  EXPECT_EQ(PixelAt(wider, 699, 35), *wxBLACK);  // below the band's own height
}

}  // namespace
}  // namespace orvanta
