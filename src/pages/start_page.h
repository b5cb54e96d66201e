// The start page: the search frame alone.
#pragma once

#include "text/text.h"

namespace orvanta {

Text BuildStartPage(int mode);

}  // namespace orvanta
