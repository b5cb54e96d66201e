// Cutting a feed into items and taking their fields out by marker.
#pragma once

#include <cstddef>
#include <limits>

#include "news/news_item_store.h"

namespace orvanta {

// Appends the items of feed to store (cleaned title, link, rewritten date, description) until
// the store holds storeLimit items; items beyond are never cut out. A feed without RSS items
// gives its Atom entries instead.
void ParseFeed(NewsItemStore& store, const Text& feed,
               std::size_t storeLimit = std::numeric_limits<std::size_t>::max());

// One field ("title>", "link>", "pubDate>", "description>") of an item, cleaned.
Text ExtractField(const Text& item, std::string_view marker);

}  // namespace orvanta
