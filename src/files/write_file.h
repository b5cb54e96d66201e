// Writing generated files whole, so that no reader ever sees half a page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Whether a write waits until the bytes are on the disk before the file replaces the old one.
enum class Durability {
  kFlushToDisk,  // the user's own data (subscriptions, typed addresses, favorites)
  kNoFlush,      // generated pages: a power cut may cost one, the next build writes it again
};

// Writes text into a fresh temporary file beside path (relative to the current directory) and
// returns its name; nothing, with no file left behind, when that cannot be done.
std::optional<std::string> WriteTemporaryBeside(const std::string& path, std::string_view text,
                                                Durability durability);

// Writes text into a temporary file beside path and renames it over path. path is relative
// to the current directory. False, with path left as it was, when that cannot be done.
bool WriteFileAtomically(const std::string& path, std::string_view text, Durability durability);

}  // namespace orvanta
