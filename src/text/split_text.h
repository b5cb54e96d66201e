// Splitting at a delimiter, the way every parser of the system reads its fields.
#pragma once

#include "text/text.h"

namespace orvanta {

// Appends the pieces of source; an empty source gives one element " ".
void SplitText(std::string_view source, TextArray& target, std::string_view delimiter);

// Appends only the first count of the pieces SplitText would append, and looks no further
// into source than they reach.
void SplitTextFirst(std::string_view source, TextArray& target, std::string_view delimiter,
                    std::size_t count);

// A copy of the element, or the empty text outside the array.
Text ItemAt(const TextArray& array, int index);

}  // namespace orvanta
