// The page number bar above and below the items of a news page.
#pragma once

#include "text/text.h"

namespace orvanta {

// Ten numbers either side of current, with previous and next links; the links are relative
// to the folder of the pages, so "temp/" is dropped from baseName.
Text PageNavigation(int current, int pages, const Text& baseName);

}  // namespace orvanta
