// Where the program keeps the user's own files.
#pragma once

#include <string>

namespace orvanta {

// The folder below $<variable> (an absolute path), else below $HOME + fallback, joined
// with leaf. Empty when neither names a home.
std::string XdgFolder(const char* variable, const char* fallback, const char* leaf);

}  // namespace orvanta
