// Reading the start of a file that anybody may have put there.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvanta {

// At most limit bytes from the start of the regular file at path. Nothing for a missing
// file, a folder, a pipe or a device: those are never opened for a blocking read, so an odd
// file in a watched folder cannot stall the window thread.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t limit);

}  // namespace orvanta
