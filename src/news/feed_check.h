// Which feed addresses still answer with items.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "text/text.h"

namespace orvanta {

inline constexpr int kConcurrentFeedChecks = 8;
// However many hosts trickle their answers, a whole check has ended by then.
inline constexpr std::chrono::milliseconds kFeedCheckBound = std::chrono::seconds(90);

struct FeedCheck {
  Text address;
  std::optional<int> items;  // items read; nothing when the download failed
  bool cutShort = false;     // failed because the check's bound came first
};

// Fetches and parses every address, at most kConcurrentFeedChecks at once, each with the
// download's usual limits and all of them within bound: a download still running when the
// bound ends is cut off, an address not reached by then is not fetched, and both have failed.
// onChecked(done, total) is called after each one, from the thread that checked it, one call
// at a time; it must not throw. The results keep the order of addresses.
std::vector<FeedCheck> CheckFeeds(const TextArray& addresses,
                                  const std::function<void(int, int)>& onChecked,
                                  std::chrono::milliseconds bound = kFeedCheckBound);

}  // namespace orvanta
