// The scripts of the program's own pages, so that the engine can be told to run those alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

struct PageScripts {
  // UTF-8 as the engine reads them (line ends as LF): inline script bodies, event-handler
  // attribute values and "javascript:" addresses.
  std::vector<std::string> sources;
  // "scheme://host" of every script a page loads by address.
  std::vector<std::string> hosts;
};

// Adds the scripts of one page (code page 936 markup) to scripts, each once.
void CollectPageScripts(std::string_view markup, PageScripts& scripts);

// The scripts of every page the builders write. They are fixed texts: what a feed or a media
// site brings never adds to them.
const PageScripts& OwnPageScripts();

}  // namespace orvanta
