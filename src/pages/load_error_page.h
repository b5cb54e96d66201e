// The page a browser page shows in place of an address that could not be loaded.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

// A complete GBK document with the system's network error message, the address that failed
// and the engine's reason, all escaped. Refreshing the page tries the address again.
Text BuildLoadErrorPage(const Text& address, const Text& reason);

}  // namespace orvanta
