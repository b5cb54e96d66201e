// Which recorded file answers which service host.
#pragma once

#include <string_view>
#include <vector>

namespace orvanta::demo {

// An Atom feed that no built-in row names; the demo's own sources file points a topic at it.
inline constexpr std::string_view kAtomFeedHost = "atom.tech.example";

struct FeedRoute {
  std::string_view host;
  std::string_view pathPrefix;  // "" matches every path
  std::vector<std::string_view> files;
};

struct PageRoute {
  std::string_view host;
  std::string_view file;
};

// Feed hosts; the first route whose host and path prefix match wins.
const std::vector<FeedRoute>& FeedRoutes();
// Media-site home pages, any path.
const std::vector<PageRoute>& MediaRoutes();
// Hosts that answer with a search result page.
const std::vector<std::string_view>& SearchHosts();

}  // namespace orvanta::demo
