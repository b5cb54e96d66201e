// Small helpers shared by the page builder tests.
#pragma once

#include <string>

#include "support/loopback_server.h"
#include "text/text.h"

namespace orvanta::testing {

inline int CountOf(const Text& text, const std::string& pattern) {
  int count = 0;
  for (std::size_t at = text.find(pattern); at != Text::npos; at = text.find(pattern, at + 1))
    ++count;
  return count;
}

inline Text PageFixture(const std::string& name) { return ReadFixture("pages/" + name); }

}  // namespace orvanta::testing
