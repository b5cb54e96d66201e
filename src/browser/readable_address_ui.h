// What the address box shows for a URL the engine reports.
#pragma once

#include <string_view>

#include "text/utf8_text.h"

namespace orvanta {

// The engine's own display form of a URL: percent-escapes that spell UTF-8 text come
// back as the characters, and an international host is shown readable only where the engine
// shows it so (one script, no look-alike characters); any other host keeps its "xn--" form,
// so that a look-alike of a known name cannot pass for it.
Utf8Text ReadableAddress(std::string_view url);

}  // namespace orvanta
