#include "browser/browser_page_layout.h"

#include <algorithm>

namespace orvanta {

BrowserPageLayout ComputeBrowserPageLayout(int width, int height, bool treeShown,
                                           bool afterSizeChange) {
  BrowserPageLayout layout;
  const int left = treeShown ? 237 : 7;
  layout.tree = treeShown ? PageRect{0, 0, 230, height} : PageRect{};
  layout.splitter = treeShown ? PageRect{230, 0, 7, 300} : PageRect{0, 0, 7, 300};
  layout.splitterBitmap = treeShown ? 183 : 182;
  layout.browser = {left, 30, width - left, height - 60};
  layout.browserHeight = height - 60;
  layout.browserWidth = treeShown ? width - 237 : (afterSizeChange ? width - 10 : width - 7);
  int x = left;
  for (std::size_t i = 0; i < kToolbarIds.size(); ++i) {
    layout.buttons[i] = {x, 0, kToolbarWidths[i], 30};
    x += kToolbarWidths[i];
  }
  return layout;
}

PageRect ComputeFindBoxRect(const BrowserPageLayout& layout, int width) {
  constexpr int kWidth = 200, kHeight = 24, kMargin = 3;
  const PageRect& last = layout.buttons.back();
  const int inRow = width - kWidth - 10;
  if (inRow >= last.x + last.width + 11) return {inRow, kMargin, kWidth, kHeight};
  const PageRect& view = layout.browser;
  const int boxWidth = std::clamp(view.width - 2 * kMargin, 0, kWidth);
  const int boxHeight = std::clamp(view.height - 2 * kMargin, 0, kHeight);
  return {view.x + std::max(view.width - boxWidth - kMargin, 0), view.y + kMargin, boxWidth,
          boxHeight};
}

}  // namespace orvanta
