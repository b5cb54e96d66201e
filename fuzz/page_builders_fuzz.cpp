// The page builders on arbitrary feeds and titles: no crash, and a title can add no markup.
#include <cstdint>
#include <cstdlib>

#include "news/build_news_pages.h"
#include "news/page_navigation.h"
#include "news/parse_feed.h"
#include "pages/advert_script.h"
#include "pages/search_frame.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

int CountTags(const orvanta::Text& text) {
  int count = 0;
  for (const char c : text) count += c == '<';
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  // The first bytes choose the page numbers and the title length; the rest is the feed.
  const int current = data[0] % 40 - 2;
  const int pages = data[1] % 40 - 2;
  const std::size_t titleSize = data[2] % 32;
  if (size < 3 + titleSize) return 0;
  const orvanta::Text title(reinterpret_cast<const char*>(data + 3), titleSize);
  const orvanta::Text feed(reinterpret_cast<const char*>(data + 3 + titleSize),
                           size - 3 - titleSize);

  // The title is escaped wherever it stands: it adds no '<' to the head or the links.
  static const int plainHeadTags = CountTags(orvanta::BuildNewsPageHead("x"));
  static const int plainLinkTags = CountTags(orvanta::SubscribeLinks("x"));
  const orvanta::Text head = orvanta::BuildNewsPageHead(title);
  const orvanta::Text links = orvanta::SubscribeLinks(title);
  Check(CountTags(head) == plainHeadTags);
  Check(CountTags(links) == plainLinkTags);

  orvanta::NewsItemStore store;
  orvanta::ParseFeed(store, feed);
  const int total = static_cast<int>(store.titles.size());
  Check(orvanta::NewsPageCount(total) * orvanta::kNewsItemsPerPage >= total);
  const orvanta::Text navigation = orvanta::PageNavigation(current, pages, "temp/~astq2226529");
  const orvanta::Text page = orvanta::RenderNewsPage(store, current < 1 ? 1 : current,
                                                     pages < 1 ? 1 : pages, "temp/~astq2226529",
                                                     links, head, orvanta::BuildAdvertScript(1));
  Check(page.size() >= head.size());
  return 0;
}
