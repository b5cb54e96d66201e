#include "net/address_host.h"

namespace orvanta {

Text AddressHost(std::string_view address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return Text();
  std::string_view authority = address.substr(scheme + 3);
  authority = authority.substr(0, authority.find_first_of("/?#"));
  const std::size_t user = authority.rfind('@');
  if (user != std::string_view::npos) authority.remove_prefix(user + 1);
  // A bracketed IPv6 host keeps its colons.
  const std::size_t portFrom = authority.starts_with('[') ? authority.find(']') : 0;
  const std::size_t port = authority.find(':', portFrom == std::string_view::npos ? 0 : portFrom);
  return Text(authority.substr(0, port));
}

}  // namespace orvanta
