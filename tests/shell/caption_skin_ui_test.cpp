// The main window's skin painted on a sheet, the way the window paints it.
#include "shell/caption_skin_ui.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <algorithm>

#include "gui/resource_images_ui.h"

namespace orvanta {
namespace {

wxColour PixelAt(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

wxImage PaintedSheet(CSkinPainter& skin, const wxSize& size) {
  wxBitmap sheet(size);
  {
    wxMemoryDC dc(sheet);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    skin.Paint(dc, LayOutCaption(size.x, size.y, false), size, *wxGREEN);
  }
  return sheet.ConvertToImage();
}

bool SamePixels(const wxImage& a, const wxImage& b) {
  return a.GetSize() == b.GetSize() &&
         std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

// A picture read ahead paints as one read at paint time, and only at the width it was read for.
TEST(CSkinPainter, APictureReadAheadPaintsAsOneReadAtPaintTime) {
  const wxSize size(850, 570);
  CSkinPainter plain;
  const wxImage expected = PaintedSheet(plain, size);
  for (const int aheadWidth : {850, 640}) {
    SCOPED_TRACE(aheadWidth);
    ReadBackgroundAhead(aheadWidth);
    CSkinPainter skin;
    EXPECT_TRUE(SamePixels(PaintedSheet(skin, size), expected));
  }
}

// One painter, first at the normal size, then maximised: the picture scaled for the first
// size must not be copied for the second.
TEST(CSkinPainter, PictureFollowsTheWindowAndThePlainFillLiesBelowIt) {
  const wxImage picture = LoadResImage(kBackgroundResource, kBackgroundWidth, kBackgroundHeight);
  const wxColour band = PixelAt(picture, 450, 50);
  const wxColour fill(10, 200, 30);
  CSkinPainter skin;
  for (const wxSize size : {wxSize(850, 570), wxSize(1200, 800)}) {
    SCOPED_TRACE(size.x);
    const bool maximised = size.x > 850;
    wxBitmap sheet(size);
    {
      wxMemoryDC dc(sheet);
      dc.SetBackground(*wxBLACK_BRUSH);
      dc.Clear();
      skin.Paint(dc, LayOutCaption(size.x, size.y, maximised), size, fill);
    }
    const wxImage painted = sheet.ConvertToImage();
    EXPECT_EQ(PixelAt(painted, size.x / 2, 50), band);
    EXPECT_EQ(PixelAt(painted, size.x - 20, 50), band);
    EXPECT_EQ(PixelAt(painted, size.x / 2, 10), wxColour(28, 106, 168));  // caption band
    if (size.y > kBackgroundHeight) {
      EXPECT_EQ(PixelAt(painted, size.x / 2, 700), fill);
    }
  }
}

}  // namespace
}  // namespace orvanta
