#include "text/percent_escape.h"

namespace orvanta {
namespace {

bool Unreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

constexpr char kUpperDigits[] = "0123456789ABCDEF";

}  // namespace

void AppendPercentEscape(Text& out, unsigned char byte) {
  out += '%';
  out += kUpperDigits[byte >> 4];
  out += kUpperDigits[byte & 0x0F];
}

Text PercentEscaped(std::string_view bytes, HexCase hexCase) {
  const char* digits = hexCase == HexCase::kUpper ? kUpperDigits : "0123456789abcdef";
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
