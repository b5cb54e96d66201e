#include "pages/feed_progress.h"

#include <string>
#include <utility>

#include "net/address_host.h"
#include "text/code_page.h"

namespace orvanta {

Text FeedProgressStatusText(const FeedProgress& progress) {
  static const Text kReading = Gbk("正在读取 ");
  static const Text kEllipsis = Gbk(" …");
  Text text =
      kReading + std::to_string(progress.feedsDone) + "/" + std::to_string(progress.feedsTotal);
  if (!progress.pendingHost.empty()) text += " " + progress.pendingHost;
  return text + kEllipsis;
}

FeedProgressReporter::FeedProgressReporter(const std::vector<Text>& addresses,
                                           FeedProgressSink sink)
    : ended_(addresses.size(), false), sink_(std::move(sink)) {
  hosts_.reserve(addresses.size());
  for (const Text& address : addresses) hosts_.push_back(AddressHost(address));
}

void FeedProgressReporter::Start() {
  std::lock_guard<std::mutex> lock(mutex_);
  ReportLocked();
}

void FeedProgressReporter::FeedEnded(std::size_t feed) noexcept {
  std::lock_guard<std::mutex> lock(mutex_);
  if (feed >= ended_.size() || ended_[feed]) return;
  ended_[feed] = true;
  ++done_;
  ReportLocked();
}

void FeedProgressReporter::ReportLocked() noexcept {
  if (!sink_) return;
  try {
    FeedProgress progress{done_, static_cast<int>(hosts_.size()), Text()};
    // The first feed still out that has a host to name.
    for (std::size_t feed = 0; feed < hosts_.size(); ++feed) {
      if (!ended_[feed] && !hosts_[feed].empty()) {
        progress.pendingHost = hosts_[feed];
        break;
      }
    }
    // The lock is held so that the sink sees the counts in order, one call at a time.
    sink_(progress);
  } catch (...) {
    // A status line that cannot be told must not take a fetch thread down.
  }
}

}  // namespace orvanta
