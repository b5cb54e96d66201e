// The feed addresses of one news page, in fetch order.
#pragma once

#include <array>

#include "text/text.h"

namespace orvanta {

// An empty address is an empty slot (slot 1 is fetched anyway).
using NewsFeedSlots = std::array<Text, 6>;

}  // namespace orvanta
