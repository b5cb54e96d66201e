// Where the address bar's controls go: address box, 进入, keyword box, engine box, 搜索.
// The main window and the secondary windows lay out the same row, each at its own height.
#pragma once

#include "shell/caption_layout.h"

namespace orvanta {

struct SearchBarLayout {
  CaptionRect address, go, keyword, engine, search;
};

// From a client width of 710 pixels up the row keeps its fixed offsets from the right edge.
// Narrower, the keyword box gives way first and then the address box, so that both stay
// usable and 进入 is never covered.
SearchBarLayout LayOutSearchBar(int clientWidth, int top);

}  // namespace orvanta
