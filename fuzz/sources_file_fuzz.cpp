// Arbitrary bytes as a sources file: nothing crashes, and only sound lines are ever taken.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/download.h"
#include "news/news_source_table.h"
#include "news/sources_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SourcesFile file = ParseSourcesFile(bytes, "sources");
  const TextArray& numbers = NewsSourceNumbers();
  for (const auto& [number, slots] : file.overrides.rows) {
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) std::abort();
    for (const Text& address : slots)
      if (!address.empty() && PrepareAddress(address).empty()) std::abort();
  }
  if (file.overrides.keyword)
    for (const Text& address : file.overrides.keyword->addresses)
      if (!address.empty() && address.find(kKeywordPlaceholder) == Text::npos) std::abort();
  return 0;
}
