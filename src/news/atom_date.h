// Atom dates (RFC 3339) in the form the news pages give an RSS date.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// "2012-08-15T07:30:00+08:00" as an RSS feed writes the same moment,
// "Wed, 15 Aug 2012 07:30:00 +0800": the wall-clock time stays in the feed's own zone, as an
// RSS date's does. Nothing when date is not an RFC 3339 date and time.
std::optional<Text> AtomDateAsRssDate(std::string_view date);

// The date of an Atom entry as the pages show it; one that is not RFC 3339 is rewritten as
// an RSS date would be.
Text RewriteAtomDate(const Text& date);

}  // namespace orvanta
