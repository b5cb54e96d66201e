// Numbers given on the command line.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace orvanta::cli {

// Whole decimal numbers only: "1x", " 1" or a value out of range is a usage error, not a
// silently different number.
template <typename Number>
std::optional<Number> ParseWholeNumber(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace orvanta::cli
