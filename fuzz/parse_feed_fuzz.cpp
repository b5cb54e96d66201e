// Arbitrary bytes as a feed: the store stays parallel and no field carries live script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "news/active_markup_filter.h"
#include "news/parse_feed.h"
#include "script_opener.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvanta::Text feed(reinterpret_cast<const char*>(data), size);
  orvanta::NewsItemStore store;
  orvanta::ParseFeed(store, feed);
  const std::size_t items = store.titles.size();
  if (store.links.size() != items || store.dates.size() != items ||
      store.descriptions.size() != items)
    std::abort();
  for (const orvanta::TextArray* fields :
       {&store.titles, &store.links, &store.dates, &store.descriptions})
    for (const orvanta::Text& field : *fields)
      if (HoldsScriptOpener(field)) std::abort();

  // Neutralised markup is already inert: a second pass finds nothing left to change.
  const orvanta::Text once = orvanta::NeutraliseActiveMarkup(feed);
  if (HoldsScriptOpener(once) || orvanta::NeutraliseActiveMarkup(once) != once) std::abort();
  return 0;
}
