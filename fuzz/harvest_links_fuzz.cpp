// Hostile home pages through the link harvester: nothing may crash, and the harvested list
// carries nothing that could run in the local list page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "news/active_markup_filter.h"
#include "pages/media_list_builder.h"
#include "script_opener.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string page(reinterpret_cast<const char*>(data), size);
  orvanta::CMediaListBuilder builder;
  const std::string list = builder.HarvestLinks(page);
  if (list.empty()) return 0;

  constexpr std::string_view kStart = "<a target='_blank' ";
  if (list.compare(0, kStart.size(), kStart) != 0 || list.size() < kStart.size() + 3 ||
      list.compare(list.size() - 3, 3, "/a>") != 0)
    std::abort();

  // Each link was kept only when it was inert on its own; together they must be too, or one
  // link could reopen markup that runs in the next.
  if (HoldsScriptOpener(list) || orvanta::NeutraliseActiveMarkup(list) != list) std::abort();
  return 0;
}
