// The words that make a harvested link worth listing on a media page.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

// The 98 media words in code page 936, in their order of testing.
const TextArray& MediaWords();

// True when a media word begins at a character boundary beyond position 0 of the text.
// One pass over the text, however many words there are.
bool CarriesMediaWord(std::string_view text);

}  // namespace orvanta
