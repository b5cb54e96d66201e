// Host name labels in the ASCII form of international domain names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// The UTF-8 text of a punycode label (without its "xn--" prefix); nothing when the label is
// not valid punycode.
std::optional<std::string> DecodePunycode(std::string_view label);

}  // namespace orvanta
