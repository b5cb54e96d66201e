#include "pages/start_page.h"

#include "pages/search_frame.h"

namespace orvanta {

Text BuildStartPage(int mode) {
  Text page;
  page.reserve(4096);
  if (mode == kCompleteDocument) AppendDocumentOpening(page);
  AppendFrameTop(page, FrameVariant::kStartPage, "");
  AppendNewsEngineOptions(page);
  AppendSearchLink(page, "http://ss/#/", NewsSearchLabel());
  AppendTopicAndRegionLinks(page);
  AppendFrameScript(page);
  if (mode == kCompleteDocument) AppendDocumentClosing(page);
  return page;
}

}  // namespace orvanta
