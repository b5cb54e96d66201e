#include "news/fetch_feed.h"

#include "net/download.h"
#include "net/service_hosts.h"
#include "text/code_page.h"

namespace orvanta {

bool FeedIsUtf8(std::string_view address, std::string_view body) {
  // The bare words anywhere count, not only in the XML declaration.
  return ContainsBeyondStart(body, "UTF-8") || ContainsBeyondStart(body, "utf-8") ||
         ContainsBeyondStart(address, hosts::kGoogleNewsHostMark);
}

Text FetchFeed(const Text& address, const DownloadLimits& limits) {
  Text feed = DownloadLines(address, limits);
  if (FeedIsUtf8(address, feed)) Utf8ToLocal(feed);
  return feed;
}

}  // namespace orvanta
