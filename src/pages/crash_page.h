// The page a browser page shows when its engine keeps failing to show a page.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

// A complete GBK document that says the page could not be shown, with a link to retryAddress
// (as the engine names it) to try again.
Text BuildCrashPage(std::string_view retryAddress);

}  // namespace orvanta
