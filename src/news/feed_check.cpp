#include "news/feed_check.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

#include "news/fetch_feed.h"
#include "news/parse_feed.h"

namespace orvanta {
namespace {

// Runs on a checking thread: nothing may escape it.
std::optional<int> CountItems(const Text& address) noexcept {
  try {
    const Text feed = FetchFeed(address);
    if (feed.empty()) return std::nullopt;
    NewsItemStore store;
    ParseFeed(store, feed);
    return static_cast<int>(store.titles.size());
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace

std::vector<FeedCheck> CheckFeeds(const TextArray& addresses,
                                  const std::function<void(int, int)>& onChecked) {
  std::vector<FeedCheck> checks(addresses.size());
  const int total = static_cast<int>(addresses.size());
  std::atomic<int> next{0};
  std::mutex progress;
  int done = 0;
  // Each worker takes the next unchecked address until none is left.
  const auto work = [&] {
    for (int k = next++; k < total; k = next++) {
      checks[k] = FeedCheck{addresses[k], CountItems(addresses[k])};
      const std::lock_guard<std::mutex> lock(progress);
      ++done;
      if (onChecked) onChecked(done, total);
    }
  };
  std::vector<std::thread> workers;
  for (int k = 0; k < std::min(total, kConcurrentFeedChecks); ++k) {
    try {
      workers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads to be had: those running share the work
    }
  }
  if (workers.empty()) work();
  for (auto& worker : workers) worker.join();
  return checks;
}

}  // namespace orvanta
