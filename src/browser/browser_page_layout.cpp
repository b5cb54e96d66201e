#include "browser/browser_page_layout.h"

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

}  // namespace orvanta
