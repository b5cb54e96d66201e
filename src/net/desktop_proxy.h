// The proxy the desktop is set to (GNOME's settings, a PAC address), for the downloads that
// the environment's proxy variables leave to it.
#pragma once

#include <string>
#include <vector>

namespace orvanta {

// True when http_proxy, https_proxy or all_proxy (in either case) names a proxy: curl follows
// those itself, with no_proxy, as it always has.
bool EnvironmentNamesProxy();

// The proxy for address as curl takes it: "" for a direct connection.
std::string DesktopProxyFor(const std::string& address);

// The first of libproxy's answers that curl can use, in curl's spelling; "" (direct) when none.
std::string CurlProxyFromList(const std::vector<std::string>& proxies);

}  // namespace orvanta
