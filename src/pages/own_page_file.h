// Which local files are the program's own generated pages.
#pragma once

#include <string_view>

namespace orvanta {

// True for a file directly in the working folder's "sc" or "temp" folder whose name has no
// extension: the pages the program writes. The platform guesses the type of such a file
// from its first bytes, and a page that begins with a link would pass for plain text.
bool IsOwnPageFile(std::string_view path, std::string_view workingFolder);

}  // namespace orvanta
