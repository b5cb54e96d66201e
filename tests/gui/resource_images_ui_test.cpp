// Resource pictures as read from the "res" folder beside the test program.
#include "gui/resource_images_ui.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ResourceImages, ImagesComeAtTheirOwnSizeAndMissingOnesAsPlainFallbacks) {
  struct Case {
    int id;
    wxSize expected;
    const char* what;
  };
  const Case cases[] = {
      {132, {900, 600}, "the background, stored with a palette"},
      {156, {47, 18}, "a caption face"},
      {9999, {7, 5}, "no such picture: the fallback size"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const wxImage image = LoadResImage(c.id, 7, 5);
    ASSERT_TRUE(image.IsOk());
    EXPECT_EQ(image.GetSize(), c.expected);
    EXPECT_EQ(LoadResBitmap(c.id, 7, 5).GetSize(), c.expected);
  }
  // A damaged install still shows faces in the caption colour.
  const wxImage fallback = LoadResImage(9999, 7, 5);
  EXPECT_EQ(wxColour(fallback.GetRed(6, 4), fallback.GetGreen(6, 4), fallback.GetBlue(6, 4)),
            wxColour(28, 106, 168));
}

}  // namespace
}  // namespace orvanta
