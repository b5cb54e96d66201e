// Lists of current videos, pictures or music, harvested from media sites' home pages.
#pragma once

#include <functional>
#include <string_view>

#include "text/text.h"

namespace orvanta {

class CMediaListBuilder {
 public:
  // Shows a message to the user and returns once it has been seen (a modal box on the
  // window thread, the job waiting for it); empty shows nothing.
  using MessageSink = std::function<void(const Text& message)>;

  explicit CMediaListBuilder(MessageSink showMessage = {});
  virtual ~CMediaListBuilder();

  // Fetches slot 1 and the non-empty slots 2 to 6, harvests their links and writes the list
  // page to listFile (relative to the current directory). Returns the link list; empty,
  // with the failure page written and the message shown, when slot 1 gives nothing.
  // listFileAgain has no effect.
  Text BuildMediaListPage(const Text& slot1, const Text& slot2, const Text& slot3,
                          const Text& slot4, const Text& slot5, const Text& slot6,
                          const Text& listFile, const Text& listFileAgain);

  // The page in code page 936, or the empty text when the download fails.
  Text FetchPage(const Text& address);

  // The media links of one page, each once, in page order.
  Text HarvestLinks(const Text& page);

  // One link element from the piece behind an "<a", or the empty text when the piece holds
  // no usable link.
  Text CutLink(std::string_view piece, std::string_view endMark);

 private:
  MessageSink showMessage_;
};

// The encoding decision of a downloaded media page: "ie=utf-8" in Soso and Baidu pages names
// their search forms' encoding, not the page's, so it is taken out before the test.
Text DecodeMediaPage(std::string_view address, Text page);

}  // namespace orvanta
