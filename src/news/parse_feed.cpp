#include "news/parse_feed.h"

#include "news/atom_entries.h"
#include "news/clean_field.h"
#include "news/rewrite_date.h"
#include "text/split_text.h"

namespace orvanta {

void ParseFeed(NewsItemStore& store, const Text& feed, std::size_t storeLimit) {
  if (store.titles.size() >= storeLimit) return;
  // Only a body without any RSS item is looked at as Atom: RSS stays read as it always was.
  if (Find(feed, "<item") < 0 && HasAtomEntries(feed))
    return ParseAtomEntries(store, feed, storeLimit);
  // "<item" also opens RSS 1.0's '<item rdf:about=...>'.
  const Text marked = ReplaceAll(feed, "<item", "$$");
  const int start = Find(marked, "$");  // -1 when there is none: the whole feed stays
  TextArray parts;
  // Piece 0, the text in front of the first item, is one more piece than there is room for.
  const std::size_t room = storeLimit - store.titles.size();
  const std::size_t pieces = room < std::numeric_limits<std::size_t>::max() ? room + 1 : room;
  SplitTextFirst(std::string_view(marked).substr(start < 0 ? 0 : static_cast<std::size_t>(start)),
                 parts, "$$", pieces);
  for (std::size_t k = 1; k < parts.size(); ++k) {
    const Text& item = parts[k];
    store.titles.push_back(ExtractField(item, "title>"));
    store.links.push_back(ExtractField(item, "link>"));
    store.dates.push_back(RewriteDate(ExtractField(item, "pubDate>")));
    store.descriptions.push_back(ExtractField(item, "description>"));
  }
}

Text ExtractField(const Text& item, std::string_view marker) {
  // The field lies between the first and second marker once both read "!!"; a field whose
  // marker is missing is empty. Searching the marked item twice gives the same piece as
  // splitting it whole, without copying every other piece.
  const Text marked = ReplaceAll(item, marker, "!!");
  const int first = Find(marked, "!!");
  if (first < 0) return Text();
  const int begin = first + 2;
  const int second = Find(marked, "!!", begin);
  const Text field = second < 0 ? Mid(marked, begin) : Mid(marked, begin, second - begin);
  return CleanField(field, marker);
}

}  // namespace orvanta
