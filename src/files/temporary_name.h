// The names of the temporaries that whole-file writes put beside their target.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// path + ".tmp" + this process's id + "-" + a number no other call of this process gets.
std::string TemporaryNameFor(const std::string& path);

// The process that made the file name (no folder) through TemporaryNameFor; nothing for a
// name of any other form.
std::optional<pid_t> TemporaryOwner(std::string_view name);

}  // namespace orvanta
