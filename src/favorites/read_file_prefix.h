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

// The folder below $<variable> (an absolute path), else below $HOME + fallback, joined
// with leaf. Empty when neither names a home.
std::string XdgFolder(const char* variable, const char* fallback, const char* leaf);

}  // namespace orvanta
