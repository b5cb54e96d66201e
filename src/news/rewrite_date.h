// Feed dates in the Chinese form of the news pages.
#pragma once

#include "text/text.h"

namespace orvanta {

Text RewriteDate(const Text& date);

}  // namespace orvanta
