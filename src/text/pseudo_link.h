// The program's own pseudo-links: addresses its pages use to ask the program for a topic page,
// a search or a subscription change.
#pragma once

#include <string_view>

namespace orvanta {

// The form address begins with ("http://dh/#", "http://ss/#" or "http://dy/#"); empty when
// it begins with none.
std::string_view PseudoLinkForm(std::string_view address);

}  // namespace orvanta
