#include "text/character_boundary.h"

namespace orvanta {

bool IsCharacterBoundary(std::string_view text, std::size_t position) {
  if (position == 0 || position >= text.size()) return true;
  std::size_t runStart = position;
  while (runStart > 0 && IsLeadByte(text[runStart - 1])) --runStart;
  // Inside the run bytes pair up from its start: an odd count leaves position as a trail.
  const bool oddRun = (position - runStart) % 2 == 1;
  return !oddRun || !IsTrailByte(text[position]);
}

}  // namespace orvanta
