// One keyword entry of the subscription file and the list view that every reader uses.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace orvanta {

inline constexpr std::string_view kIdMarker = "id=";

// "<USER id="kw" password="kw" permission="000"/>"; the keyword goes in unchanged.
Text MakeSubscriptionEntry(std::string_view keyword);

// Element 0 holds what stood before the first entry (nothing, once "<Account>" is cut off),
// elements 1 to n are the entries without their "<USER" prefix, in file order; the last one
// still carries the closing "</Account>".
TextArray SubscriptionEntryList(std::string_view fileText);

// The value after marker. A value written in double quotes is read whole, so keywords with
// blanks or "/>" come back as they went in; anything else is cut at its first blank and
// loses its quotes.
Text GetAttributeValue(std::string_view entry, std::string_view marker);

// The keyword of one element of the list view; nothing for an entry without "id=", which a
// hand-edited file may hold.
std::optional<Text> EntryKeyword(std::string_view entry);

}  // namespace orvanta
