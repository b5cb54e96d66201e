// Atom feeds: their entries read as the items of an RSS feed.
#pragma once

#include <cstddef>
#include <string_view>

#include "news/news_item_store.h"

namespace orvanta {

// True when feed holds an Atom <entry> element.
bool HasAtomEntries(std::string_view feed);

// Appends the entries of feed to store until it holds storeLimit items: the title, the href of the alternate (else the
// first) link, <updated> (else <published>) as the date and <summary> (else <content>) as
// the description, each through the same cleanup and date rewriting as an RSS field.
void ParseAtomEntries(NewsItemStore& store, std::string_view feed, std::size_t storeLimit);

}  // namespace orvanta
