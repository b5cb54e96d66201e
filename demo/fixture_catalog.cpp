#include "demo/fixture_catalog.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "demo/fixture_routes.h"
#include "demo/search_result_page.h"

namespace orvanta::demo {
namespace {

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  bytes = content.str();
  return true;
}

// A stable choice, so that one address always gets the same feed.
std::size_t Pick(std::string_view target, std::size_t count) {
  std::uint32_t hash = 2166136261u;
  for (const char c : target) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash % count;
}

std::string ContentType(std::string_view name) {
  const bool feed = name.size() >= 4 && name.substr(name.size() - 4) == ".xml";
  const bool utf8 = name.find("utf8") != std::string_view::npos;
  return std::string(feed ? "text/xml" : "text/html") +
         (utf8 ? "; charset=utf-8" : "; charset=gbk");
}

const FeedRoute* FindFeedRoute(std::string_view host, std::string_view target) {
  for (const auto& route : FeedRoutes())
    if (route.host == host && target.substr(0, route.pathPrefix.size()) == route.pathPrefix)
      return &route;
  return nullptr;
}

}  // namespace

FixtureCatalog::FixtureCatalog(const std::vector<std::string>& folders) {
  std::vector<std::string_view> names;
  for (const auto& route : FeedRoutes())
    names.insert(names.end(), route.files.begin(), route.files.end());
  for (const auto& route : MediaRoutes()) names.push_back(route.file);
  for (const auto name : names) {
    if (files_.count(name)) continue;
    std::string bytes;
    const bool found = std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) {
      return ReadFile(folder + "/" + std::string(name), bytes);
    });
    if (!found) throw std::runtime_error("missing fixture " + std::string(name));
    files_.emplace(name, std::move(bytes));
  }
}

FixtureReply FixtureCatalog::File(std::string_view name) const {
  return FixtureReply{200, ContentType(name), files_.find(name)->second};
}

FixtureReply FixtureCatalog::Answer(std::string_view host, std::string_view target) const {
  if (const FeedRoute* route = FindFeedRoute(host, target))
    return File(route->files[Pick(target, route->files.size())]);
  for (const auto& route : MediaRoutes())
    if (route.host == host) return File(route.file);
  const auto& search = SearchHosts();
  if (std::find(search.begin(), search.end(), host) != search.end())
    return FixtureReply{200, "text/html; charset=gbk", SearchResultPage(host, target)};
  return FixtureReply{404, "text/html", "<html><body>not found</body></html>\n"};
}

}  // namespace orvanta::demo
