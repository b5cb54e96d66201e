// The advertising script element of the news and media list pages.
#pragma once

#include "text/text.h"

namespace orvanta {

// Numbers 1 to 3 select their own script; any other number selects script 4.
Text BuildAdvertScript(int number);

}  // namespace orvanta
