// Two small filters over page markup.
#pragma once

#include "text/text.h"

namespace orvanta {

// Removes the hyperlink whose text carries the marker.
Text CutMarkedLink(Text text, std::string_view marker);

// Appends piece unless it is already there or carries a site-footer word.
Text AppendIfNew(const Text& accumulated, std::string_view piece);

}  // namespace orvanta
