// Downloading one news feed as a code-page-936 text.
#pragma once

#include "net/download.h"
#include "text/text.h"

namespace orvanta {

// The feed's lines joined with CR LF, converted from UTF-8 when it says so or comes from
// Google News; the empty text when the download fails.
Text FetchFeed(const Text& address, const DownloadLimits& limits = {});

// The encoding decision of a downloaded feed.
bool FeedIsUtf8(std::string_view address, std::string_view body);

}  // namespace orvanta
