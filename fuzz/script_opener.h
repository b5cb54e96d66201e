// The fuzz targets' own test for live script, kept apart from the filter it checks.
#pragma once

#include <cstddef>
#include <string_view>

// True when "<script" occurs in any case, wherever it stands.
inline bool HoldsScriptOpener(std::string_view text) {
  static constexpr char kOpener[] = "<script";
  for (std::size_t i = 0; i + 7 <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < 7 && (text[i + k] | (k > 0 ? 0x20 : 0)) == kOpener[k]) ++k;
    if (k == 7) return true;
  }
  return false;
}
