#include "text/percent_escape.h"

namespace orvanta {
namespace {

bool Unreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

Text PercentEscaped(std::string_view bytes, HexCase hexCase) {
  const char* digits = hexCase == HexCase::kUpper ? "0123456789ABCDEF" : "0123456789abcdef";
  Text escaped;
  escaped.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (Unreserved(byte)) {
      escaped += c;
      continue;
    }
    escaped += '%';
    escaped += digits[byte >> 4];
    escaped += digits[byte & 0x0F];
  }
  return escaped;
}

}  // namespace orvanta
