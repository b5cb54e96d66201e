// Cutting a feed into items and taking their fields out by marker.
#pragma once

#include "news/news_item_store.h"

namespace orvanta {

// Appends every item of feed to store: cleaned title, link, rewritten date, description. A
// feed without RSS items gives its Atom entries instead.
void ParseFeed(NewsItemStore& store, const Text& feed);

// One field ("title>", "link>", "pubDate>", "description>") of an item, cleaned.
Text ExtractField(const Text& item, std::string_view marker);

}  // namespace orvanta
