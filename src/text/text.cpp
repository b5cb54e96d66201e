#include "text/text.h"

#include <algorithm>
#include <utility>

#include "text/character_boundary.h"

namespace orvanta {
namespace {

// The next occurrence at or after from that begins on a boundary, or npos. The patterns of
// this system are short constants, for which string_view's memchr-driven search beats
// memmem's set-up cost on the many small fields; the cursor only moves forward.
std::size_t FindOnBoundary(std::string_view text, std::string_view pattern, std::size_t from,
                           BoundaryCursor& cursor) {
  while (from + pattern.size() <= text.size()) {
    const std::size_t position = text.find(pattern, from);
    if (position == std::string_view::npos) return position;
    if (cursor.IsBoundary(position)) return position;
    from = position + 1;
  }
  return std::string_view::npos;
}

std::size_t ClampedStart(std::string_view text, int first) {
  if (first < 0) return 0;
  return std::min<std::size_t>(static_cast<std::size_t>(first), text.size());
}

}  // namespace

int Find(std::string_view text, std::string_view pattern, int start) {
  if (start < 0) start = 0;
  if (static_cast<std::size_t>(start) > text.size()) return kNotFound;
  if (pattern.empty()) return start;
  std::size_t from = static_cast<std::size_t>(start);
  BoundaryCursor cursor(text);
  // A start on a trail byte has its lead byte, a boundary, just before it.
  cursor.JumpTo(IsCharacterBoundary(text, from) ? from : from - 1);
  const std::size_t position = FindOnBoundary(text, pattern, from, cursor);
  return position == std::string_view::npos ? kNotFound : static_cast<int>(position);
}

bool ContainsBeyondStart(std::string_view text, std::string_view pattern) {
  return Find(text, pattern) > 0;
}

namespace {

// Writes text with every occurrence replaced into result; false, with result untouched, when
// there is none, so that callers keep the text they have without a copy.
bool ReplaceEach(std::string_view text, std::string_view old, std::string_view replacement,
                 Text& result) {
  if (old.empty()) return false;
  BoundaryCursor cursor(text);
  std::size_t copied = 0;
  bool replaced = false;
  for (;;) {
    const std::size_t position = FindOnBoundary(text, old, copied, cursor);
    if (position == std::string_view::npos) break;
    if (!replaced) {
      result.clear();
      result.reserve(text.size());
      replaced = true;
    }
    result.append(text.substr(copied, position - copied));
    result.append(replacement);
    copied = position + old.size();
  }
  if (replaced) result.append(text.substr(copied));
  return replaced;
}

}  // namespace

Text ReplaceAll(std::string_view text, std::string_view old, std::string_view replacement) {
  Text result;
  if (!ReplaceEach(text, old, replacement, result)) return Text(text);
  return result;
}

void ReplaceInPlace(Text& text, std::string_view old, std::string_view replacement) {
  // Most cleanup rules find nothing: one scan, and the text stays as it is.
  Text result;
  if (ReplaceEach(text, old, replacement, result)) text = std::move(result);
}

Text Mid(std::string_view text, int first, int count) {
  const std::size_t begin = ClampedStart(text, first);
  if (count <= 0 || begin >= text.size()) return Text();
  return Text(text.substr(begin, static_cast<std::size_t>(count)));
}

Text Mid(std::string_view text, int first) { return Text(text.substr(ClampedStart(text, first))); }

Text Left(std::string_view text, int count) {
  if (count <= 0) return Text();
  return Text(text.substr(0, static_cast<std::size_t>(count)));
}

Text Right(std::string_view text, int count) {
  if (count <= 0) return Text();
  const std::size_t size = std::min<std::size_t>(static_cast<std::size_t>(count), text.size());
  return Text(text.substr(text.size() - size));
}

}  // namespace orvanta
