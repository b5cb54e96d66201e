#include "browser/browser_address.h"

#include <unistd.h>

#include <vector>

#include "pages/own_page_file.h"
#include "text/percent_escape.h"

namespace orvanta {
namespace {

// In a file path "#", "?" and "%" are part of a name, never a fragment or a query.
bool MustEscape(unsigned char byte, bool inPath) {
  if (byte >= 0x80 || byte <= 0x20 || byte == 0x7F) return true;
  return inPath && (byte == '#' || byte == '?' || byte == '%');
}

std::string Escaped(std::string_view text, bool inPath) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (MustEscape(byte, inPath))
      AppendPercentEscape(out, byte);
    else
      out += c;
  }
  return out;
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

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The byte of the escape "%XX" at position, or -1.
int EscapedByteAt(std::string_view text, std::size_t position) {
  if (position + 2 >= text.size() || text[position] != '%') return -1;
  const int high = HexValue(text[position + 1]), low = HexValue(text[position + 2]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
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

std::string OwnPageUrl(std::string_view path) {
  return std::string(kOwnPageScheme) + "://" + Escaped(path, true);
}

std::string OwnPagePath(std::string_view url) {
  const std::string prefix = std::string(kOwnPageScheme) + "://";
  if (url.substr(0, prefix.size()) != prefix) return {};
  std::string_view rest = url.substr(prefix.size());
  rest = rest.substr(0, rest.find_first_of("?#"));
  std::string path;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const int byte = EscapedByteAt(rest, i);
    if (byte < 0) {
      path += rest[i];
      continue;
    }
    path += static_cast<char>(byte);
    i += 2;
  }
  return path;
}

Text AddressToUrl(std::string_view address) {
  if (!address.empty() && address[0] == '/') {
    if (IsOwnPageFile(address, CurrentDirectory())) return OwnPageUrl(address);
    return "file://" + Escaped(address, true);
  }
  return (HasScheme(address) ? "" : "http://") + Escaped(address, false);
}

std::string TypedAddressToUrl(std::string_view typed) {
  if (!typed.empty() && typed[0] == '/') return AddressToUrl(typed);
  return (HasScheme(typed) ? "" : "http://") + std::string(typed);
}

}  // namespace orvanta
