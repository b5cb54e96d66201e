// How far the feed downloads of one news build have come, for the window's status line.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

#include "text/text.h"

namespace orvanta {

struct FeedProgress {
  int feedsDone = 0;
  int feedsTotal = 0;
  Text pendingHost;  // the host of one feed still being read; empty when none is left
};

// Called on a job or fetch thread, never two calls at once.
using FeedProgressSink = std::function<void(const FeedProgress&)>;

// "正在读取 4/6 news.sohu.com …" in code page 936; without a pending host, "正在读取 6/6 …".
Text FeedProgressStatusText(const FeedProgress& progress);

// Tells a sink how the downloads of one build go: once when they start, then as each ends.
// FeedEnded may be called from any thread.
class FeedProgressReporter {
 public:
  // One address for each feed that will be read, in slot order.
  FeedProgressReporter(const std::vector<Text>& addresses, FeedProgressSink sink);

  void Start();
  void FeedEnded(std::size_t feed) noexcept;

 private:
  void ReportLocked() noexcept;

  std::mutex mutex_;
  std::vector<Text> hosts_;
  std::vector<bool> ended_;
  int done_ = 0;
  FeedProgressSink sink_;
};

}  // namespace orvanta
