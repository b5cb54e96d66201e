// The one escaping helper for texts that a page inserts into its markup.
#pragma once

#include "text/text.h"

namespace orvanta {

// Escapes & < > " ' so that the text shows as itself in element text and in quoted
// attribute values, and comes back unchanged from the attribute (the browser decodes it).
// Texts without those characters come out byte for byte the same. The five are ASCII and
// never trail bytes, so double-byte characters pass untouched.
Text EscapeMarkup(std::string_view text);

}  // namespace orvanta
