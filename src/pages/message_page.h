// The frame of the small pages the browser page shows instead of a page it cannot show.
#pragma once

#include "text/text.h"

namespace orvanta {

// A complete GBK document titled title (escaped here) whose centred body is bodyMarkup.
Text BuildMessagePage(const Text& title, const Text& bodyMarkup);

}  // namespace orvanta
