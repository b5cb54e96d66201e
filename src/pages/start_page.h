// The start page: the search frame alone.
#pragma once

#include "news/text/text.h"

namespace orvanta {

Text BuildStartPage(int mode);

}  // namespace orvanta
