// Clearing away what a writer killed half-way left behind.
#pragma once

#include <string>

namespace orvanta {

// Removes, directly inside folder, the temporaries of whole-file writes whose process has
// ended; those of a running process (this one's own jobs, a second copy of the program)
// stay. The number removed.
int RemoveStaleTemporaries(const std::string& folder);

// The same for the folder that holds the file path (relative paths without a folder mean
// the current one).
int RemoveStaleTemporariesBeside(const std::string& path);

}  // namespace orvanta
