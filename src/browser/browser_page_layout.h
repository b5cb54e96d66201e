// Where the parts of a browser page go, for the tree shown or hidden.
#pragma once

#include <array>

namespace orvanta {

struct PageRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PageRect&, const PageRect&) = default;
};

// Toolbar buttons in their order on the page.
inline constexpr std::array<int, 8> kToolbarIds = {1001, 1003, 1004, 1005, 1006, 1007, 1008, 1018};
inline constexpr std::array<int, 8> kToolbarWidths = {54, 48, 48, 48, 61, 101, 87, 69};

struct BrowserPageLayout {
  PageRect tree;
  PageRect splitter;
  int splitterBitmap = 182;
  PageRect browser;      // the control's window
  int browserWidth = 0;  // then its Width and Height
  int browserHeight = 0;
  std::array<PageRect, 8> buttons;  // in kToolbarIds order
};

// afterSizeChange: a hidden tree leaves the control 3 pixels narrower after a resize than
// after an explicit show or hide, as the page always did.
BrowserPageLayout ComputeBrowserPageLayout(int width, int height, bool treeShown,
                                           bool afterSizeChange);

// The find box: at the right end of the toolbar row where it fits there clear of the
// buttons, else over the top right corner of the control; inside the page at every size.
PageRect ComputeFindBoxRect(const BrowserPageLayout& layout, int width);

}  // namespace orvanta
