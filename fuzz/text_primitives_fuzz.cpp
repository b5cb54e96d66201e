// Invariants of the text primitives on arbitrary bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "text/character_boundary.h"
#include "text/code_page.h"
#include "text/split_text.h"
#include "text/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

orvanta::Text Join(const orvanta::TextArray& pieces, const orvanta::Text& delimiter) {
  orvanta::Text joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += pieces[i];
  }
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // First byte: pattern length; the pattern is taken from the front, the text is the rest.
  const std::size_t patternSize = 1 + data[0] % 4;
  if (size < 1 + patternSize) return 0;
  const orvanta::Text pattern(reinterpret_cast<const char*>(data + 1), patternSize);
  const orvanta::Text text(reinterpret_cast<const char*>(data + 1 + patternSize),
                           size - 1 - patternSize);

  // find never reports a position on a trail byte, and the match is really there.
  for (int from = 0, position; (position = orvanta::Find(text, pattern, from)) >= 0;
       from = position + 1) {
    Check(orvanta::IsCharacterBoundary(text, static_cast<std::size_t>(position)));
    Check(text.compare(static_cast<std::size_t>(position), pattern.size(), pattern) == 0);
    if (from > static_cast<int>(text.size())) break;
  }

  // replacing a pattern by itself changes nothing.
  Check(orvanta::ReplaceAll(text, pattern, pattern) == text);

  // splitting and joining again gives the source back (the empty source gives " ").
  orvanta::TextArray pieces;
  orvanta::SplitText(text, pieces, pattern);
  if (!text.empty()) Check(Join(pieces, pattern) == text);

  // a bounded split gives the first pieces of the whole one.
  const std::size_t count = data[0] % 8;
  orvanta::TextArray leading;
  orvanta::SplitTextFirst(text, leading, pattern, count);
  Check(leading.size() == std::min(count, pieces.size()));
  Check(std::equal(leading.begin(), leading.end(), pieces.begin()));

  // the clamping substrings stay inside the text.
  const int first = static_cast<int>(data[0]) - 128;
  Check(orvanta::Mid(text, first, first).size() <= text.size());
  Check(orvanta::Left(text, first) + orvanta::Mid(text, first < 0 ? 0 : first) == text);

  // conversions terminate and never grow beyond a small factor.
  orvanta::Text converted = text;
  orvanta::Utf8ToLocal(converted);
  Check(converted.size() <= text.size());
  converted = text;
  orvanta::LocalToUtf8(converted);
  Check(converted.size() <= text.size() * 3);  // 0x80 alone is the euro sign
  return 0;
}
