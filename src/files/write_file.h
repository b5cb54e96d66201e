// Writing generated files whole, so that no reader ever sees half a page.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Writes text into a temporary file beside path and renames it over path. path is relative
// to the current directory. False, with path left as it was, when that cannot be done.
bool WriteFileAtomically(const std::string& path, std::string_view text);

}  // namespace orvanta
