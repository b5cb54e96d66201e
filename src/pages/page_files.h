// The generated pages the windows write, each as one complete document in code page 936.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

inline constexpr std::string_view kLoadingPageFile = "sc/jz";
inline constexpr std::string_view kStartPageFile = "sc/jz1";
inline constexpr std::string_view kHelpPageFile = "sc/jz9";

Text LoadingPageText();
Text StartPageText();
// The media search pages: see media_kinds.h.
Text VideoPageText();
Text ImagePageText();
Text MusicPageText();
Text HelpPageText();

}  // namespace orvanta
