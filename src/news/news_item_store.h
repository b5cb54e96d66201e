// The items of one news page build, as four parallel arrays.
#pragma once

#include "text/text.h"

namespace orvanta {

// Entry k of each array belongs to item k; every item appends to all four.
struct NewsItemStore {
  TextArray titles;
  TextArray links;
  TextArray dates;
  TextArray descriptions;
};

}  // namespace orvanta
