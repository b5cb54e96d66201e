#include "browser/browser_page_layout.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

bool Inside(const PageRect& inner, const PageRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

bool Overlap(const PageRect& a, const PageRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(BrowserPageLayout, TheButtonsFollowEachOtherFromTheTreesEdgeOrTheSplitter) {
  for (const bool tree : {true, false}) {
    const BrowserPageLayout layout = ComputeBrowserPageLayout(850, 470, tree, false);
    int x = tree ? 237 : 7;
    for (std::size_t i = 0; i < kToolbarIds.size(); ++i) {
      EXPECT_EQ(layout.buttons[i], (PageRect{x, 0, kToolbarWidths[i], 30})) << i;
      x += kToolbarWidths[i];
    }
    EXPECT_EQ(layout.browser, (PageRect{tree ? 237 : 7, 30, tree ? 613 : 843, 410}));
  }
  // The hidden tree's control is 3 pixels narrower after a resize, as it always was.
  EXPECT_EQ(ComputeBrowserPageLayout(850, 470, false, true).browserWidth, 840);
  EXPECT_EQ(ComputeBrowserPageLayout(850, 470, false, false).browserWidth, 843);
}

TEST(BrowserPageLayout, TheFindBoxLiesInThePageClearOfTheButtonsAtEverySize) {
  const struct {
    int width, height;
  } sizes[] = {{1200, 800}, {850, 470}, {620, 320}, {400, 200}, {240, 40}};
  for (const auto& size : sizes) {
    for (const bool tree : {true, false}) {
      const BrowserPageLayout layout =
          ComputeBrowserPageLayout(size.width, size.height, tree, true);
      const PageRect box = ComputeFindBoxRect(layout, size.width);
      SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " tree " << tree);
      EXPECT_TRUE(Inside(box, {0, 0, size.width, size.height}));
      for (const PageRect& button : layout.buttons) EXPECT_FALSE(Overlap(box, button));
    }
  }
}

}  // namespace
}  // namespace orvanta
