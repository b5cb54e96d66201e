#include "text/split_text.h"

#include <limits>

#include "text/character_boundary.h"

namespace orvanta {

void SplitText(std::string_view source, TextArray& target, std::string_view delimiter) {
  SplitTextFirst(source, target, delimiter, std::numeric_limits<std::size_t>::max());
}

void SplitTextFirst(std::string_view source, TextArray& target, std::string_view delimiter,
                    std::size_t count) {
  if (count == 0) return;
  if (source.empty()) {
    target.emplace_back(" ");
    return;
  }
  // Each rest is searched as a text of its own, as if it had been copied out; a view keeps
  // that meaning without copying the remainder for every piece.
  std::string_view rest = source;
  for (std::size_t pieces = 1;; ++pieces) {
    const int position = delimiter.empty() ? kNotFound : Find(rest, delimiter);
    if (position < 0) {
      target.emplace_back(rest);
      return;
    }
    target.emplace_back(rest.substr(0, static_cast<std::size_t>(position)));
    if (pieces == count) return;
    rest.remove_prefix(static_cast<std::size_t>(position) + delimiter.size());
  }
}

Text ItemAt(const TextArray& array, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= array.size()) return Text();
  return array[static_cast<std::size_t>(index)];
}

}  // namespace orvanta
