// The page that explains how to set up news keywords.
#pragma once

#include "text/text.h"

namespace orvanta {

// Always the same complete document, whatever the mode.
Text BuildHelpPage(int mode);

}  // namespace orvanta
