// The name a save dialog proposes for what an address points at.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The address's last path segment, without query or fragment; "download" when it has none.
std::string ProposedFileName(std::string_view url);

}  // namespace orvanta
