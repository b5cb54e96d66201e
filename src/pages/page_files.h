// The generated pages the windows write, each as one complete document in code page 936.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

inline constexpr std::string_view kLoadingPageFile = "sc/jz";
inline constexpr std::string_view kStartPageFile = "sc/jz1";
inline constexpr std::string_view kVideoPageFile = "sc/jz2";
inline constexpr std::string_view kImagePageFile = "sc/jz3";
inline constexpr std::string_view kMusicPageFile = "sc/jz4";
inline constexpr std::string_view kHelpPageFile = "sc/jz9";

Text LoadingPageText();
Text StartPageText();
Text VideoPageText();
Text ImagePageText();
Text MusicPageText();
Text HelpPageText();

}  // namespace orvanta
