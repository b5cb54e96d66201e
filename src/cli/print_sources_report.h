// How orvanta-cli passes on what the user's sources file got wrong.
#pragma once

#include <unistd.h>

#include <iostream>
#include <optional>

#include "cli/person_text.h"
#include "text/code_page.h"
#include "text/text.h"

namespace orvanta::cli {

// On standard error: in UTF-8 like the file it is about, so that its name can be copied, or
// on a terminal in the locale's encoding.
inline void PrintSourcesReport(const std::optional<Text>& report) {
  if (!report) return;
  if (IsTerminal(STDERR_FILENO)) {
    std::cerr << InLocaleEncoding(*report) << "\n";
    return;
  }
  Text utf8 = *report;
  LocalToUtf8(utf8);
  std::cerr << utf8 << "\n";
}

}  // namespace orvanta::cli
