// The host part of a web address.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

// "news.sohu.com" for "http://user@news.sohu.com:80/rss?x": no scheme, user or port. Empty
// when the address names no host.
Text AddressHost(std::string_view address);

}  // namespace orvanta
