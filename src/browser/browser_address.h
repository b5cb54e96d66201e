// Addresses as the program writes them, as the user types them and as the engine takes them.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// The scheme under which the engine is given the program's own page files: served by the
// program itself as GBK HTML, whatever their first bytes look like, as ordinary history steps.
inline constexpr std::string_view kOwnPageScheme = "orvanta";

// The process's current directory, as the system reports it.
Text CurrentDirectory();

// Current directory + "/" + the relative name.
Text LocalFullName(std::string_view relativeName);

// The URL the engine is given for an address the program built: an own page file gets the
// own scheme, any other absolute path becomes a file URL, an address without a scheme gets
// "http://", and bytes outside ASCII are percent-encoded one by one, so a GBK keyword
// reaches the server as the same GBK bytes.
Text AddressToUrl(std::string_view address);

// The URL for what the user typed (UTF-8): local paths by their real names, everything else
// as typed, for the engine to read as an international address (IDN host, UTF-8 path).
std::string TypedAddressToUrl(std::string_view typed);

// The own scheme's URL of an own page file, and back; the path is empty for any other URL.
std::string OwnPageUrl(std::string_view path);
std::string OwnPagePath(std::string_view url);

}  // namespace orvanta
