// Addresses as the program writes them and as the browser engine takes them.
#pragma once

#include <string_view>

#include "text/text.h"

namespace orvanta {

// The process's current directory, as the system reports it.
Text CurrentDirectory();

// Current directory + "/" + the relative name.
Text LocalFullName(std::string_view relativeName);

// The URL the engine is given for an address: an absolute path becomes a file URL, an
// address without a scheme gets "http://", and bytes outside ASCII are percent-encoded one
// by one, so a GBK keyword reaches the server as the same GBK bytes.
Text AddressToUrl(std::string_view address);

}  // namespace orvanta
