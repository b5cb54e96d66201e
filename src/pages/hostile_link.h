// Links copied from other sites' pages into a local page, which may read local files: any
// that could run script there must not get through.
#pragma once

#include <string_view>

namespace orvanta {

// True when the markup carries an event-handler attribute (on...=), a script address
// (javascript: or vbscript:, also spelt with character references, blanks or control
// characters in between), or an element that runs or embeds active content.
bool IsHostileLink(std::string_view markup);

}  // namespace orvanta
