// Which feed addresses still answer with items.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "text/text.h"

namespace orvanta {

inline constexpr int kConcurrentFeedChecks = 8;

struct FeedCheck {
  Text address;
  std::optional<int> items;  // items read; nothing when the download failed
};

// Fetches and parses every address, at most kConcurrentFeedChecks at once, each with the
// download's usual limits. onChecked(done, total) is called after each one, from the thread
// that checked it, one call at a time; it must not throw. The results keep the order of
// addresses.
std::vector<FeedCheck> CheckFeeds(const TextArray& addresses,
                                  const std::function<void(int, int)>& onChecked);

}  // namespace orvanta
