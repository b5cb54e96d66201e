// The summary or content of an Atom entry as a news page shows it: as its text.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

enum class AtomTextKind { kText, kHtml, kXhtml };

// The kind an Atom text element's type (and Atom 0.3's mode) attribute names; anything
// unknown is text.
AtomTextKind AtomTextKindOf(std::string_view type, std::string_view mode);

// content is the element's content as it stands in the feed. The result is markup that
// shows the text and nothing else: no element, no tag left half, nothing that runs.
// Character references stay as the feed wrote them; the browser reads them.
Text AtomTextAsPageText(std::string_view content, AtomTextKind kind);

}  // namespace orvanta
