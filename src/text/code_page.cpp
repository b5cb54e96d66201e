#include "text/code_page.h"

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <stdexcept>

#include "text/character_boundary.h"

namespace orvanta {
namespace {

// The descriptor is wrapped so that it is closed however the conversion ends.
class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (*this) iconv_close(handle_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  explicit operator bool() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// How many bytes at position form one unit to replace by a single "?": a well-formed
// sequence that the target lacks, or the longest malformed prefix (one "?" per broken
// sequence, as the platform decoders do).
std::size_t Utf8UnitLength(std::string_view text, std::size_t position) {
  const unsigned char first = static_cast<unsigned char>(text[position]);
  std::size_t needed = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (first >= 0xC2 && first <= 0xDF) {
    needed = 1;
  } else if (first >= 0xE0 && first <= 0xEF) {
    needed = 2;
    if (first == 0xE0) low = 0xA0;   // overlong
    if (first == 0xED) high = 0x9F;  // surrogate
  } else if (first >= 0xF0 && first <= 0xF4) {
    needed = 3;
    if (first == 0xF0) low = 0x90;   // overlong
    if (first == 0xF4) high = 0x8F;  // beyond U+10FFFF
  }
  std::size_t length = 1;
  while (length <= needed && position + length < text.size()) {
    const unsigned char next = static_cast<unsigned char>(text[position + length]);
    if (next < low || next > high) break;
    low = 0x80, high = 0xBF;
    ++length;
  }
  return length;
}

std::size_t Cp936UnitLength(std::string_view text, std::size_t position) {
  return BoundaryCursor(text).CharacterLength(position);
}

// Behind an unconvertible unit iconv is fed a small window that doubles with every clean
// call: glibc re-reads its whole look-ahead to locate each failure, which on a text of
// nothing but such units would cost thousands of bytes per unit.
constexpr std::size_t kWindowAfterFailure = 64;

// Converts in bulk; where iconv stops on a unit it cannot take, that unit becomes "?" and
// the conversion goes on behind it.
Text Convert(iconv_t handle, std::string_view text,
             std::size_t (*unitLength)(std::string_view, std::size_t)) {
  Text out(text.size() + text.size() / 2 + 16, '\0');
  std::size_t written = 0;
  std::size_t position = 0;
  std::size_t window = text.size();
  iconv(handle, nullptr, nullptr, nullptr, nullptr);
  while (position < text.size()) {
    const std::size_t offered = std::min(window, text.size() - position);
    char* input = const_cast<char*>(text.data() + position);
    std::size_t inputLeft = offered;
    char* output = out.data() + written;
    std::size_t outputLeft = out.size() - written;
    const std::size_t result = iconv(handle, &input, &inputLeft, &output, &outputLeft);
    const int error = errno;
    position += offered - inputLeft;
    written = out.size() - outputLeft;
    if (result != static_cast<std::size_t>(-1)) {
      window = window > text.size() / 2 ? text.size() : window * 2;
      continue;
    }
    if (error == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // A sequence cut by the window's end is whole in the next one.
    const bool cutByWindow = error == EINVAL && position + inputLeft < text.size();
    if (cutByWindow) continue;
    // EILSEQ or EINVAL: replace the unit and resume in a clean shift state.
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    if (written == out.size()) out.resize(out.size() * 2);
    out[written++] = '?';
    position += unitLength(text, position);
    window = kWindowAfterFailure;
  }
  out.resize(written);
  return out;
}

// Both conversions between UTF-8 and code page 936 are part of the platform.
iconv_t Required(const IconvHandle& handle) {
  if (!handle) throw std::runtime_error("iconv cannot convert between UTF-8 and CP936");
  return handle.get();
}

}  // namespace

void Utf8ToLocal(Text& text) {
  thread_local IconvHandle handle("CP936", "UTF-8");
  text = Convert(Required(handle), text, Utf8UnitLength);
}

void LocalToUtf8(Text& text) {
  thread_local IconvHandle handle("UTF-8", "CP936");
  text = Convert(Required(handle), text, Cp936UnitLength);
}

std::optional<Text> LocalToEncoding(std::string_view text, const char* encoding) {
  const IconvHandle handle(encoding, "CP936");
  if (!handle) return std::nullopt;
  return Convert(handle.get(), text, Cp936UnitLength);
}

Text Gbk(std::string_view utf8) {
  Text text(utf8);
  Utf8ToLocal(text);
  return text;
}

std::optional<Text> Utf8ToLocalExactly(std::string_view utf8) {
  Text local(utf8);
  Utf8ToLocal(local);
  Text back = local;
  LocalToUtf8(back);
  if (back != utf8) return std::nullopt;
  return local;
}

}  // namespace orvanta
