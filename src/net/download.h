// The one HTTP download of the system: feeds, and later the media sites' home pages.
#pragma once

#include <chrono>
#include <cstddef>

#include "text/text.h"

namespace orvanta {

struct DownloadLimits {
  std::chrono::milliseconds connectTimeout{10000};
  // A transfer that moves no byte for this long has failed; a stalled host must not hold a
  // page job for ever.
  std::chrono::milliseconds stallTimeout{30000};
  // Nor may one that trickles a byte now and then: counted from the start, connecting
  // included, every download has ended by this time.
  std::chrono::milliseconds transferTimeout{60000};
  // No server may make the program hold more than this.
  std::size_t maxBodyBytes = 32u << 20;
};

// The body as the platform's line reader gives it, every line followed by CR LF; the empty
// text on any failure. HTTP status is not examined: an error page is a body like any other.
Text DownloadLines(std::string_view address, const DownloadLimits& limits = {});

// Each line of body without its line feed, followed by CR LF. A CR before the line feed stays.
Text JoinLinesWithCrLf(std::string_view body);

// The same joining for a body that arrives in pieces: AppendWithCrLf for each piece in
// turn, then EndLastLine once.
void AppendWithCrLf(Text& joined, std::string_view piece);
void EndLastLine(Text& joined);

// The address as the transfer sends it: blanks around it dropped, blanks, control and
// non-ASCII bytes percent-escaped. Empty when it is not an http or https address.
Text PrepareAddress(std::string_view address);

}  // namespace orvanta
