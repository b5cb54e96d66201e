#include "text/split_text.h"

#include "text/character_boundary.h"

namespace orvanta {

void SplitText(std::string_view source, TextArray& target, std::string_view delimiter) {
  if (source.empty()) {
    target.emplace_back(" ");
    return;
  }
  // Each rest is searched as a text of its own, as if it had been copied out; a view keeps
  // that meaning without copying the remainder for every piece.
  std::string_view rest = source;
  for (;;) {
    const int position = Find(rest, delimiter);
    if (position < 0 || delimiter.empty()) break;
    target.emplace_back(rest.substr(0, static_cast<std::size_t>(position)));
    rest.remove_prefix(static_cast<std::size_t>(position) + delimiter.size());
  }
  target.emplace_back(rest);
}

Text ItemAt(const TextArray& array, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= array.size()) return Text();
  return array[static_cast<std::size_t>(index)];
}

}  // namespace orvanta
