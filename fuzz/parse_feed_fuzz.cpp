// Arbitrary bytes as a feed: the store stays parallel and no field carries live script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "news/active_markup_filter.h"
#include "news/parse_feed.h"

namespace {

bool HoldsScriptOpener(const orvanta::Text& text) {
  static constexpr char kOpener[] = "<script";
  for (std::size_t i = 0; i + 7 <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < 7 && (text[i + k] | (k > 0 ? 0x20 : 0)) == kOpener[k]) ++k;
    if (k == 7) return true;
  }
  return false;
}

}  // namespace

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
