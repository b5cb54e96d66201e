// Atom feeds: their entries read as the items of an RSS feed.
#pragma once

#include <cstddef>
#include <string_view>

#include "news/news_item_store.h"

namespace orvanta {

// True when feed holds an Atom <entry> element.
bool HasAtomEntries(std::string_view feed);

// Appends the entries of feed to store until it holds storeLimit items: the title, the href
// of the alternate (else the first) link, <updated> (else <published>) as the date, written
// as an RSS date of the same moment, and the text of <summary> (else <content>) as the
// description. Title, link and date go through the same cleanup as an RSS field.
void ParseAtomEntries(NewsItemStore& store, std::string_view feed, std::size_t storeLimit);

}  // namespace orvanta
