// Fonts by cell height must come out as the toolkit's own pixel-size search makes them.
#include "gui/pixel_height_font_ui.h"

#include <gtest/gtest.h>
#include <wx/dcscreen.h>

namespace orvanta {
namespace {

struct FaceCase {
  const char* name;
  // Names the face on an info that carries the size or none.
  wxFontInfo (*style)(wxFontInfo info);
};

int CellHeight(const wxFont& font) {
  wxScreenDC dc;
  dc.SetFont(font);
  return dc.GetCharHeight();
}

TEST(MakePixelHeightFont, MatchesTheToolkitsSearchForEveryFaceAndHeight) {
  const FaceCase faces[] = {
      {"song", [](wxFontInfo i) { return i.FaceName(wxString::FromUTF8("宋体")); }},
      {"arial", [](wxFontInfo i) { return i.Family(wxFONTFAMILY_SWISS).FaceName("Arial"); }},
      {"swiss", [](wxFontInfo i) { return i.Family(wxFONTFAMILY_SWISS); }},
      {"arial bold",
       [](wxFontInfo i) { return i.Family(wxFONTFAMILY_SWISS).FaceName("Arial").Bold(); }},
      {"song thin",
       [](wxFontInfo i) {
         return i.FaceName(wxString::FromUTF8("宋体")).Weight(wxFONTWEIGHT_THIN);
       }},
      {"no such face", [](wxFontInfo i) { return i.FaceName("No Such Face Anywhere"); }},
  };
  for (const FaceCase& face : faces) {
    for (int height : {6, 9, 12, 14, 16, 20, 23, 31, 48, 72}) {
      SCOPED_TRACE(testing::Message() << face.name << " at " << height << " px");
      const wxFont expected(face.style(wxFontInfo(wxSize(0, height))));
      const wxFont made = MakePixelHeightFont(face.style(wxFontInfo()), height);
      EXPECT_EQ(made.GetPointSize(), expected.GetPointSize());
      EXPECT_EQ(made.GetFaceName(), expected.GetFaceName());
      EXPECT_EQ(made.GetWeight(), expected.GetWeight());
      EXPECT_LE(CellHeight(made), height);
    }
  }
}

}  // namespace
}  // namespace orvanta
