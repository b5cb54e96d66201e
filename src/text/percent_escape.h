// Writing bytes into an address as percent escapes.
#pragma once

#include "text/text.h"

namespace orvanta {

enum class HexCase { kUpper, kLower };

// Every byte except the unreserved ASCII letters, digits and "-._~" becomes "%" and two hex
// digits, so a word can stand in a query whatever it holds.
Text PercentEscaped(std::string_view bytes, HexCase hexCase = HexCase::kUpper);

// Appends byte as "%" and two upper-case hex digits.
void AppendPercentEscape(Text& out, unsigned char byte);

}  // namespace orvanta
