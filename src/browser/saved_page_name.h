// The file name the save dialog proposes for a page.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The page's title (UTF-8) as a file name: the characters no file name may hold become "_",
// ".html" is added; "page.html" when the title leaves nothing.
std::string SavedPageName(std::string_view title);

}  // namespace orvanta
