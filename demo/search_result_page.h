// The small result page that stands in for a search engine.
#pragma once

#include <string>
#include <string_view>

namespace orvanta::demo {

// The query of a search address: the value of the engine's query parameter, or the last
// path segment (engines that put the keyword in the path), percent-decoded, as GBK.
std::string SearchQuery(std::string_view target);

// A GBK page that names the query, with markup characters escaped.
std::string SearchResultPage(std::string_view host, std::string_view target);

}  // namespace orvanta::demo
