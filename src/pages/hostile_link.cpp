#include "pages/hostile_link.h"

#include <array>
#include <string>

namespace orvanta {
namespace {

bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}
bool IsAsciiDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }
bool IsHexDigit(unsigned char byte) {
  return IsAsciiDigit(byte) || (byte >= 'a' && byte <= 'f') || (byte >= 'A' && byte <= 'F');
}
unsigned char Lower(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + 32) : byte;
}
bool IsBlankOrControl(unsigned char byte) { return byte <= 0x20 || byte == 0x7F; }

// "on" + letters + blanks + "=", not glued to a longer name in front. Trail bytes of
// double-byte characters may look like letters; counting them as separators only ever
// drops more.
bool HasEventHandler(std::string_view markup) {
  const std::size_t size = markup.size();
  for (std::size_t i = 0; i + 1 < size; ++i) {
    if (Lower(markup[i]) != 'o' || Lower(markup[i + 1]) != 'n') continue;
    if (i > 0) {
      const unsigned char before = markup[i - 1];
      if (IsAsciiLetter(before) || IsAsciiDigit(before)) continue;
    }
    std::size_t j = i + 2;
    const std::size_t nameStart = j;
    while (j < size && IsAsciiLetter(markup[j])) ++j;
    if (j == nameStart) continue;
    while (j < size && IsBlankOrControl(markup[j])) ++j;
    if (j < size && markup[j] == '=') return true;
    // The letters just passed cannot start another match, so skip them: linear.
    i = j - 1;
  }
  return false;
}

// The markup as an address parser would see it: character references decoded, blanks and
// control characters gone (browsers drop tabs and line breaks inside addresses), ASCII in
// lower case. Characters outside ASCII become one placeholder byte.
std::string Normalised(std::string_view markup) {
  std::string out;
  out.reserve(markup.size());
  const std::size_t size = markup.size();
  std::size_t i = 0;
  auto put = [&out](unsigned long code) {
    if (code < 0x80) {
      const unsigned char byte = static_cast<unsigned char>(code);
      if (!IsBlankOrControl(byte)) out.push_back(static_cast<char>(Lower(byte)));
    } else {
      out.push_back('\x80');
    }
  };
  while (i < size) {
    const unsigned char byte = markup[i];
    if (byte != '&') {
      put(byte);
      ++i;
      continue;
    }
    if (i + 1 < size && markup[i + 1] == '#') {
      std::size_t j = i + 2;
      const bool hex = j < size && Lower(markup[j]) == 'x';
      if (hex) ++j;
      const std::size_t digitsStart = j;
      unsigned long code = 0;
      while (j < size && (hex ? IsHexDigit(markup[j]) : IsAsciiDigit(markup[j]))) {
        const unsigned char digit = Lower(markup[j]);
        const unsigned value = IsAsciiDigit(digit) ? digit - '0' : digit - 'a' + 10;
        if (code < 0x110000) code = code * (hex ? 16 : 10) + value;
        ++j;
      }
      if (j > digitsStart) {
        if (j < size && markup[j] == ';') ++j;
        put(code);
        i = j;
        continue;
      }
    } else {
      struct Named {
        std::string_view name;
        char value;
      };
      static constexpr std::array<Named, 3> kNamed{
          {{"&colon;", ':'}, {"&tab;", ' '}, {"&newline;", ' '}}};
      bool matched = false;
      for (const Named& named : kNamed) {
        if (size - i < named.name.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < named.name.size() && same; ++k)
          same = Lower(markup[i + k]) == static_cast<unsigned char>(named.name[k]);
        if (!same) continue;
        put(static_cast<unsigned char>(named.value));
        i += named.name.size();
        matched = true;
        break;
      }
      if (matched) continue;
    }
    put(byte);
    ++i;
  }
  return out;
}

bool HasScriptAddress(std::string_view markup) {
  const std::string plain = Normalised(markup);
  return plain.find("javascript:") != std::string::npos ||
         plain.find("vbscript:") != std::string::npos;
}

// Elements that run script, embed other documents or change how the page is read.
bool HasActiveElement(std::string_view markup) {
  static constexpr std::array<std::string_view, 15> kActiveTags{
      "script", "iframe", "frame", "object", "embed", "applet", "base", "meta",
      "link", "style", "svg", "math", "form", "template", "portal"};
  const std::size_t size = markup.size();
  for (std::size_t i = 0; i + 1 < size; ++i) {
    if (markup[i] != '<') continue;
    std::size_t j = i + 1;
    const std::size_t nameStart = j;
    while (j < size && (IsAsciiLetter(markup[j]) || IsAsciiDigit(markup[j]))) ++j;
    const std::size_t length = j - nameStart;
    for (std::string_view tag : kActiveTags) {
      if (tag.size() != length) continue;
      bool same = true;
      for (std::size_t k = 0; k < length && same; ++k)
        same = Lower(markup[nameStart + k]) == static_cast<unsigned char>(tag[k]);
      if (same) return true;
    }
    i = j - 1;
  }
  return false;
}

}  // namespace

bool IsHostileLink(std::string_view markup) {
  return HasEventHandler(markup) || HasScriptAddress(markup) || HasActiveElement(markup);
}

}  // namespace orvanta
