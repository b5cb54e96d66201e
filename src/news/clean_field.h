// The markup cleanup of one feed field, by the rules of the service it came from.
#pragma once

#include "text/text.h"

namespace orvanta {

// field is the raw text behind the marker, up to and including the "</" of its closing tag.
Text CleanField(Text field, std::string_view marker);

}  // namespace orvanta
