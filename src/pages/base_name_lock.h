// One builder at a time for the files of one base name.
#pragma once

#include <mutex>
#include <string>

namespace orvanta {

// Held while a build writes the files of one base name: builds of one name run one after
// another instead of interleaving their pages.
std::unique_lock<std::mutex> LockBaseName(const std::string& baseName);

}  // namespace orvanta
