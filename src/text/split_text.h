// Splitting at a delimiter, the way every parser of the system reads its fields.
#pragma once

#include "text/text.h"

namespace orvanta {

// Appends the pieces of source; an empty source gives one element " ".
void SplitText(std::string_view source, TextArray& target, std::string_view delimiter);

// A copy of the element, or the empty text outside the array.
Text ItemAt(const TextArray& array, int index);

}  // namespace orvanta
