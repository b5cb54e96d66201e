// Which local files are the program's own generated pages.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta {

// The largest own page file that is ever read: as much as one download may bring. No page the
// builds write comes near it (ten news items, a few hundred media links), so a larger file is
// not one of the program's pages, and reading it whole would cost its size in memory.
inline constexpr std::size_t kOwnPageFileLimit = 32u << 20;

// True for a file directly in the working folder's "sc" or "temp" folder whose name has no
// extension: the pages the program writes. The platform guesses the type of such a file
// from its first bytes, and a page that begins with a link would pass for plain text.
bool IsOwnPageFile(std::string_view path, std::string_view workingFolder);

}  // namespace orvanta
