// The web search box: engine box texts and the address each one builds.
#pragma once

#include <span>

#include "text/text.h"

namespace orvanta {

struct WebEngine {
  const char* boxTextUtf8;  // as written here; BoxText gives the system's own bytes
  std::string_view host;
  std::string_view pathBeforeKeyword;
  std::string_view afterKeyword;
  bool wholeAddressInUtf8;  // the engine reads its query in UTF-8
};

// The ten engines in the order they are added to the engine box.
std::span<const WebEngine> WebEngines();

// The engine box text of a row in code page 936.
Text BoxText(const WebEngine& engine);

// What the keyword box shows when there is nothing to search for.
const Text& KeywordPlaceholder();
// The status line's hint for the same case (two leading blanks).
const Text& KeywordPlaceholderStatus();

// True when the keyword box holds nothing to search for: empty or the placeholder.
bool IsMissingKeyword(const Text& keyword);

// The address for the engine whose box text equals engineText exactly; the bare keyword when
// no row matches. The keyword goes in unchanged.
Text BuildWebSearchAddress(const Text& engineText, const Text& keyword);

}  // namespace orvanta
