#include "news/feed_check.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

#include "net/download.h"
#include "news/fetch_feed.h"
#include "news/parse_feed.h"

namespace orvanta {
namespace {

using Clock = std::chrono::steady_clock;

// The download's usual limits cut to the time left, rounded up so that a download the
// deadline ends has ended after it and counts as cut short; nothing once it has passed.
std::optional<DownloadLimits> LimitsBefore(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  if (left.count() <= 0) return std::nullopt;
  DownloadLimits limits;
  limits.connectTimeout = std::min(limits.connectTimeout, left);
  limits.transferTimeout = std::min(limits.transferTimeout, left);
  return limits;
}

// Runs on a checking thread: nothing may escape it.
std::optional<int> CountItems(const Text& address, const DownloadLimits& limits) noexcept {
  try {
    const Text feed = FetchFeed(address, limits);
    if (feed.empty()) return std::nullopt;
    NewsItemStore store;
    ParseFeed(store, feed);
    return static_cast<int>(store.titles.size());
  } catch (...) {
    return std::nullopt;
  }
}

FeedCheck CheckBefore(const Text& address, Clock::time_point deadline) {
  const std::optional<DownloadLimits> limits = LimitsBefore(deadline);
  const std::optional<int> items = limits ? CountItems(address, *limits) : std::nullopt;
  return FeedCheck{address, items, !items && Clock::now() >= deadline};
}

}  // namespace

std::vector<FeedCheck> CheckFeeds(const TextArray& addresses,
                                  const std::function<void(int, int)>& onChecked,
                                  std::chrono::milliseconds bound) {
  const Clock::time_point deadline = Clock::now() + bound;
  std::vector<FeedCheck> checks(addresses.size());
  const int total = static_cast<int>(addresses.size());
  std::atomic<int> next{0};
  std::mutex progress;
  int done = 0;
  // Each worker takes the next unchecked address until none is left.
  const auto work = [&] {
    for (int k = next++; k < total; k = next++) {
      checks[k] = CheckBefore(addresses[k], deadline);
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
