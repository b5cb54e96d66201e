// Where a start tag ends, for the readers of feed markup.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta {

// Position of the ">" that ends a tag at or after from, skipping quoted attribute values;
// npos when the tag never ends.
std::size_t StartTagEnd(std::string_view text, std::size_t from);

}  // namespace orvanta
