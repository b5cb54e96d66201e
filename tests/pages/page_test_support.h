// Small helpers shared by the page builder tests.
#pragma once

#include <string>
#include <vector>

#include "support/loopback_server.h"
#include "text/text.h"

namespace orvanta::testing {

inline int CountOf(const Text& text, const std::string& pattern) {
  int count = 0;
  for (std::size_t at = text.find(pattern); at != Text::npos; at = text.find(pattern, at + 1))
    ++count;
  return count;
}

inline bool StartsWith(const Text& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

inline bool EndsWith(const Text& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The few bytes in front of every CR LF, so that a stray or missing line break shows.
inline std::vector<std::string> LineEnds(const Text& text, std::size_t width = 12) {
  std::vector<std::string> ends;
  for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2))
    ends.push_back(text.substr(at >= width ? at - width : 0, at >= width ? width : at));
  return ends;
}

inline Text PageFixture(const std::string& name) { return ReadFixture("pages/" + name); }

}  // namespace orvanta::testing
