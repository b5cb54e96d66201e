// The page shown while a page job works and while a media list is on its way.
#pragma once

#include "text/text.h"

namespace orvanta {

// Always the same complete document, whatever the mode.
Text BuildLoadingPage(int mode);

}  // namespace orvanta
