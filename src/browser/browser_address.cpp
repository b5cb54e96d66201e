#include "browser/browser_address.h"

#include <unistd.h>

#include <vector>

#include "pages/own_page_file.h"
#include "text/percent_escape.h"
#include "text/punycode.h"

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

// The length of the UTF-8 character that bytes begin with, or 0 when they do not begin one.
std::size_t Utf8CharacterLength(const std::vector<unsigned char>& bytes, std::size_t first) {
  const unsigned char lead = bytes[first];
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead == 0xE0) length = 3, low = 0xA0;
  else if (lead == 0xED) length = 3, high = 0x9F;  // no surrogates
  else if (lead >= 0xE1 && lead <= 0xEF) length = 3;
  else if (lead == 0xF0) length = 4, low = 0x90;
  else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
  else if (lead == 0xF4) length = 4, high = 0x8F;
  if (length == 0 || first + length > bytes.size()) return 0;
  if (bytes[first + 1] < low || bytes[first + 1] > high) return 0;
  for (std::size_t i = first + 2; i < first + length; ++i)
    if (bytes[i] < 0x80 || bytes[i] > 0xBF) return 0;
  return length;
}

// A run of escapes: those that spell UTF-8 characters become the characters; ASCII escapes
// ("%2F", "%20") keep their meaning and stay escaped.
std::string ReadableRun(std::string_view run) {
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i < run.size(); i += 3)
    bytes.push_back(static_cast<unsigned char>(EscapedByteAt(run, i)));
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = bytes[i] >= 0x80 ? Utf8CharacterLength(bytes, i) : 0;
    if (length == 0) {
      out.append(run.substr(i * 3, 3));
      ++i;
      continue;
    }
    out.append(reinterpret_cast<const char*>(&bytes[i]), length);
    i += length;
  }
  return out;
}

std::string ReadableEscapes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t end = i;
    while (EscapedByteAt(text, end) >= 0) end += 3;
    if (end == i) {
      out += text[i++];
      continue;
    }
    out += ReadableRun(text.substr(i, end - i));
    i = end;
  }
  return out;
}

std::string ReadableHost(std::string_view host) {
  std::string out;
  std::size_t start = 0;
  while (start <= host.size()) {
    const std::size_t dot = std::min(host.find('.', start), host.size());
    const std::string_view label = host.substr(start, dot - start);
    const bool encoded = label.size() > 4 && (label[0] == 'x' || label[0] == 'X') &&
                         (label[1] == 'n' || label[1] == 'N') && label[2] == '-' &&
                         label[3] == '-';
    const std::optional<std::string> decoded =
        encoded ? DecodePunycode(label.substr(4)) : std::nullopt;
    out += decoded ? std::string_view(*decoded) : label;
    if (dot == host.size()) break;
    out += '.';
    start = dot + 1;
  }
  return out;
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

std::string ReadableAddress(std::string_view url) {
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return ReadableEscapes(url);
  const std::size_t hostStart = schemeEnd + 3;
  const std::size_t hostEnd = std::min(url.find_first_of("/?#", hostStart), url.size());
  std::string_view authority = url.substr(hostStart, hostEnd - hostStart);
  const std::size_t at = authority.rfind('@');
  const std::string_view user = at == std::string_view::npos ? "" : authority.substr(0, at + 1);
  authority.remove_prefix(user.size());
  const std::size_t colon = authority.rfind(':');
  const std::size_t bracket = authority.rfind(']');  // an IPv6 address holds colons too
  const bool hasPort = colon != std::string_view::npos &&
                       (bracket == std::string_view::npos || colon > bracket);
  const std::string_view host = hasPort ? authority.substr(0, colon) : authority;
  const std::string_view port = hasPort ? authority.substr(colon) : "";
  return std::string(url.substr(0, hostStart)) + std::string(user) + ReadableHost(host) +
         std::string(port) + ReadableEscapes(url.substr(hostEnd));
}

}  // namespace orvanta
