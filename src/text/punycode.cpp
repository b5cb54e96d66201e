#include "text/punycode.h"

#include <cstdint>
#include <vector>

namespace orvanta {
namespace {

constexpr std::uint32_t kBase = 36, kTMin = 1, kTMax = 26, kSkew = 38, kDamp = 700;
constexpr std::uint32_t kInitialBias = 72, kInitialN = 128;
constexpr std::uint32_t kMaxInt = 0x7FFFFFFF;

std::optional<std::uint32_t> DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0' + 26);
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c - 'A');
  if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a');
  return std::nullopt;
}

std::uint32_t Adapt(std::uint32_t delta, std::uint32_t points, bool first) {
  delta = first ? delta / kDamp : delta / 2;
  delta += delta / points;
  std::uint32_t k = 0;
  while (delta > ((kBase - kTMin) * kTMax) / 2) {
    delta /= kBase - kTMin;
    k += kBase;
  }
  return k + (kBase - kTMin + 1) * delta / (delta + kSkew);
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::optional<std::string> DecodePunycode(std::string_view label) {
  std::vector<std::uint32_t> output;
  const std::size_t delimiter = label.rfind('-');
  std::size_t in = 0;
  if (delimiter != std::string_view::npos) {
    for (std::size_t j = 0; j < delimiter; ++j) {
      if (static_cast<unsigned char>(label[j]) >= 0x80) return std::nullopt;
      output.push_back(static_cast<unsigned char>(label[j]));
    }
    in = delimiter + 1;
  }
  std::uint32_t n = kInitialN, i = 0, bias = kInitialBias;
  while (in < label.size()) {
    const std::uint32_t oldI = i;
    std::uint32_t w = 1;
    for (std::uint32_t k = kBase;; k += kBase) {
      if (in >= label.size()) return std::nullopt;
      const std::optional<std::uint32_t> digit = DigitValue(label[in++]);
      if (!digit || *digit > (kMaxInt - i) / w) return std::nullopt;
      i += *digit * w;
      const std::uint32_t t = k <= bias ? kTMin : k >= bias + kTMax ? kTMax : k - bias;
      if (*digit < t) break;
      if (w > kMaxInt / (kBase - t)) return std::nullopt;
      w *= kBase - t;
    }
    const auto points = static_cast<std::uint32_t>(output.size() + 1);
    bias = Adapt(i - oldI, points, oldI == 0);
    if (i / points > kMaxInt - n) return std::nullopt;
    n += i / points;
    i %= points;
    if (n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF)) return std::nullopt;
    output.insert(output.begin() + i, n);
    ++i;
  }
  std::string text;
  for (const std::uint32_t code : output) AppendUtf8(text, code);
  return text;
}

}  // namespace orvanta
