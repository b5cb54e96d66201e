// Reading the program's own files and any file that anybody may have put in their place.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

namespace orvanta {

enum class FileReadFailure {
  kMissing,     // nothing of that name
  kNotAFile,    // a folder, a pipe, a device, a socket
  kUnreadable,  // no permission, an I/O error, a bad name
};

struct FileRead {
  std::optional<std::string> bytes;                        // the file's bytes, up to the limit
  FileReadFailure failure = FileReadFailure::kUnreadable;  // why not, when bytes is empty
};

// At most limit bytes from the start of the regular file at path. Only regular files are
// read, and nothing is ever opened for a blocking read, so a pipe put in a file's place
// cannot stall a reader.
FileRead ReadRegularFile(const std::string& path,
                         std::size_t limit = std::numeric_limits<std::size_t>::max());

// The same for the file at relativePath below folder, where no component of relativePath may
// be a symbolic link or "..": a link put into the program's own folders cannot lead a reader
// to a file elsewhere. Such a link counts as kNotAFile.
FileRead ReadRegularFileBelow(const std::string& folder, const std::string& relativePath,
                              std::size_t limit);

}  // namespace orvanta
