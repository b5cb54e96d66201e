// The built-in topics and regions: number, display name and six feed addresses.
#pragma once

#include "news/build_news_pages.h"

namespace orvanta {

struct NewsSource {
  Text title;          // the row's name, or the number text itself when no row matches
  NewsFeedSlots slots;  // all empty when no row matches
};

// Exact text comparison: "01" and " 1" are not topic 1.
NewsSource LookUpNewsSource(const Text& number);

// Builds the pages of the topic or region number under baseName.
NewsBuildResult ResolveNewsSource(const Text& number, const Text& baseName);

}  // namespace orvanta
