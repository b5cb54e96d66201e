#include "subscriptions/subscription_entry.h"

#include "text/split_text.h"

namespace orvanta {

Text MakeSubscriptionEntry(std::string_view keyword) {
  Text entry = "<USER id=\"";
  entry += keyword;
  entry += "\" password=\"";
  entry += keyword;
  entry += "\" permission=\"000\"/>";
  return entry;
}

TextArray SubscriptionEntryList(std::string_view fileText) {
  Text marked = ReplaceAll(fileText, "<USER", "$$");
  const int firstDollar = Find(marked, "$");
  if (firstDollar >= 0) marked = Mid(marked, firstDollar);
  TextArray entries;
  SplitText(marked, entries, "$$");
  return entries;
}

Text GetAttributeValue(std::string_view entry, std::string_view marker) {
  const Text marked = ReplaceAll(entry, marker, "!!");
  // Element 1 of the split begins right after the first marker only when no "!!" stands
  // before it; only then is the quoted value after the marker the value the split would see.
  const int at = marker.empty() ? kNotFound : Find(entry, marker);
  if (at >= 0 && Find(marked, "!!") == at) {
    const int open = at + static_cast<int>(marker.size());
    if (static_cast<std::size_t>(open) < entry.size() && entry[open] == '"') {
      const int close = Find(entry, "\"", open + 1);
      if (close > open) return Mid(entry, open + 1, close - open - 1);
    }
  }
  TextArray parts;
  SplitText(marked, parts, "!!");
  Text value = ItemAt(parts, 1);
  ReplaceInPlace(value, "/>", " ");
  const int blank = Find(value, " ");
  if (blank >= 0) value = Left(value, blank);
  ReplaceInPlace(value, "\"", "");
  return value;
}

std::optional<Text> EntryKeyword(std::string_view entry) {
  if (Find(entry, kIdMarker) < 0) return std::nullopt;
  return GetAttributeValue(entry, kIdMarker);
}

}  // namespace orvanta
