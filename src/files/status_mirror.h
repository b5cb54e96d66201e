// The main window's status line, readable from outside the program.
#pragma once

#include <string_view>

namespace orvanta {

// The environment variable that names the mirror file.
inline constexpr const char* kStatusFileVariable = "ORVANTA_STATUS_FILE";

// Writes text (code page 936) as UTF-8, whole, into the file that ORVANTA_STATUS_FILE
// names; nothing happens when the variable is unset or empty. False only when the file
// could not be written.
bool MirrorStatusText(std::string_view text);

}  // namespace orvanta
