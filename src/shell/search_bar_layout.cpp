#include "shell/search_bar_layout.h"

#include <algorithm>

namespace orvanta {
namespace {

constexpr int kHeight = 28;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 51;
constexpr int kGapAfterGo = 7;
constexpr int kEngineWidth = 129;
constexpr int kFullKeywordWidth = 292;
constexpr int kLeastKeywordWidth = 100;
constexpr int kLeastAddressWidth = 160;
// Everything of the row but the two text boxes.
constexpr int kFixedWidth =
    kMargin + kButtonWidth + kGapAfterGo + kEngineWidth + kButtonWidth + kMargin;

CaptionRect Box(int left, int top, int width) { return {left, top, left + width, top + kHeight}; }

}  // namespace

SearchBarLayout LayOutSearchBar(int clientWidth, int top) {
  const int free = std::max(clientWidth - kFixedWidth, 0);
  const int keyword = std::clamp(free - kLeastAddressWidth, kLeastKeywordWidth, kFullKeywordWidth);
  const int address = std::max(free - keyword, 0);
  SearchBarLayout bar;
  bar.address = Box(kMargin, top, address);
  bar.go = Box(bar.address.right, top, kButtonWidth);
  bar.keyword = Box(bar.go.right + kGapAfterGo, top, keyword);
  bar.engine = Box(bar.keyword.right, top, kEngineWidth);
  bar.search = Box(bar.engine.right, top, kButtonWidth);
  return bar;
}

}  // namespace orvanta
