// Hostile home pages through the link harvester: nothing may crash, and no harvested link
// may carry an event handler or a script address into the local list page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pages/hostile_link.h"
#include "pages/media_list_builder.h"

namespace {

char Lower(char byte) { return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 32) : byte; }
bool IsLetter(char byte) { return byte >= 'a' && byte <= 'z'; }

// A plain second opinion, independent of the filter under test.
bool HasHandlerAttribute(const std::string& lower) {
  for (std::size_t i = 0; i + 2 < lower.size(); ++i) {
    if (lower[i] != 'o' || lower[i + 1] != 'n') continue;
    if (i > 0 && (IsLetter(lower[i - 1]) || (lower[i - 1] >= '0' && lower[i - 1] <= '9'))) continue;
    std::size_t j = i + 2;
    while (j < lower.size() && IsLetter(lower[j])) ++j;
    if (j == i + 2) continue;
    while (j < lower.size() && static_cast<unsigned char>(lower[j]) <= 0x20) ++j;
    if (j < lower.size() && lower[j] == '=') return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string page(reinterpret_cast<const char*>(data), size);
  orvanta::CMediaListBuilder builder;
  const std::string list = builder.HarvestLinks(page);
  if (list.empty()) return 0;

  constexpr std::string_view kStart = "<a target='_blank' ";
  if (list.compare(0, kStart.size(), kStart) != 0 || list.size() < kStart.size() + 3 ||
      list.compare(list.size() - 3, 3, "/a>") != 0)
    std::abort();

  std::string lower, squeezed;
  for (char byte : list) {
    lower.push_back(Lower(byte));
    if (static_cast<unsigned char>(byte) > 0x20) squeezed.push_back(Lower(byte));
  }
  if (HasHandlerAttribute(lower)) std::abort();
  if (squeezed.find("javascript:") != std::string::npos) std::abort();
  // A script element's name ends at a blank, "/" or ">" ("<scriptx" is another element).
  for (std::size_t at = lower.find("<script"); at != std::string::npos;
       at = lower.find("<script", at + 1)) {
    const std::size_t next = at + 7;
    if (next >= lower.size() || static_cast<unsigned char>(lower[next]) <= 0x20 ||
        lower[next] == '/' || lower[next] == '>')
      std::abort();
  }
  if (orvanta::IsHostileLink(list)) std::abort();
  return 0;
}
