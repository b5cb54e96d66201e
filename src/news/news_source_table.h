// The built-in topics and regions: number, display name and six feed addresses.
#pragma once

#include "news/news_feed_slots.h"
#include "news/source_overrides.h"
#include "text/text.h"

namespace orvanta {

struct NewsSource {
  Text title;           // the row's name, or the number text itself when no row matches
  NewsFeedSlots slots;  // all empty when no row matches
};

// Exact text comparison: "01" and " 1" are not topic 1.
NewsSource LookUpNewsSource(const Text& number);
// The same row with its slots as the user's sources file gives them; the name stays.
NewsSource LookUpNewsSource(const Text& number, const SourceOverrides& overrides);

// Every topic and region number, in the order the table compares them.
const TextArray& NewsSourceNumbers();

}  // namespace orvanta
