#include "browser/browser_address.h"

#include <unistd.h>

#include <vector>

namespace orvanta {
namespace {

void AppendEscaped(Text& out, unsigned char byte) {
  static const char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

// In a file path "#", "?" and "%" are part of a name, never a fragment or a query.
bool MustEscape(unsigned char byte, bool inPath) {
  if (byte >= 0x80 || byte <= 0x20 || byte == 0x7F) return true;
  return inPath && (byte == '#' || byte == '?' || byte == '%');
}

bool HasScheme(std::string_view address) {
  const auto colon = address.find(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = address[i];
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                    (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!ok) return false;
  }
  // "localhost:8080/x" names a host and port, not a scheme.
  const std::string_view rest = address.substr(colon + 1);
  return rest.empty() || !(rest[0] >= '0' && rest[0] <= '9');
}

}  // namespace

Text CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (buffer.size() > (1u << 20)) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return Text(buffer.data());
}

Text LocalFullName(std::string_view relativeName) {
  Text name = CurrentDirectory();
  name += '/';
  name += relativeName;
  return name;
}

Text AddressToUrl(std::string_view address) {
  Text url;
  bool inPath = false;
  if (!address.empty() && address[0] == '/') {
    url = "file://";
    inPath = true;
  } else if (!HasScheme(address)) {
    url = "http://";
  }
  url.reserve(url.size() + address.size());
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (MustEscape(byte, inPath))
      AppendEscaped(url, byte);
    else
      url += c;
  }
  return url;
}

}  // namespace orvanta
