// Host and path of a request that reached a server as a proxy or directly.
#pragma once

#include <httplib.h>

#include <string>

namespace orvanta::demo {

struct RequestTarget {
  std::string host;    // without a port
  std::string target;  // the path with its query, as sent
};

// A proxied request carries the absolute address; a direct one only the path.
inline RequestTarget SplitRequestTarget(const httplib::Request& request) {
  RequestTarget split{request.get_header_value("Host"), request.target};
  const std::string scheme = "http://";
  if (split.target.compare(0, scheme.size(), scheme) == 0) {
    const std::size_t slash = split.target.find('/', scheme.size());
    split.host = split.target.substr(
        scheme.size(), slash == std::string::npos ? std::string::npos : slash - scheme.size());
    split.target = slash == std::string::npos ? "/" : split.target.substr(slash);
  }
  const std::size_t colon = split.host.find(':');
  if (colon != std::string::npos) split.host.resize(colon);
  return split;
}

}  // namespace orvanta::demo
