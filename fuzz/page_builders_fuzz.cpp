// The page builders on arbitrary feeds, titles, modes and draws: no crash, a title can add
// no markup, and every generated page keeps its shape.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "news/parse_feed.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/help_page.h"
#include "pages/loading_page.h"
#include "pages/media_search_page.h"
#include "pages/page_navigation.h"
#include "pages/search_frame.h"
#include "pages/start_page.h"
#include "text/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

int CountOf(const orvanta::Text& text, const std::string& pattern) {
  int count = 0;
  for (std::size_t at = text.find(pattern); at != orvanta::Text::npos;
       at = text.find(pattern, at + 1))
    ++count;
  return count;
}

template <typename Number>
Number Read(const uint8_t* data) {
  Number value;
  std::memcpy(&value, data, sizeof value);
  return value;
}

// The keyword box's value read back the way the browser decodes it.
orvanta::Text KeywordBoxValue(const orvanta::Text& head) {
  const std::size_t start = head.find("value='") + 7;
  const std::size_t end = head.find("'><select", start);
  orvanta::Text value = head.substr(start, end - start);
  // Byte by byte, as the entities are ASCII; "&amp;" last so that it cannot make new ones.
  for (const auto& [entity, character] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                          {"&gt;", ">"},
                                          {"&quot;", "\""},
                                          {"&#39;", "'"},
                                          {"&amp;", "&"}})
    for (std::size_t at = value.find(entity); at != std::string::npos;
         at = value.find(entity, at + character.size()))
      value.replace(at, entity.size(), character);
  return value;
}

void CheckFrameBuilders(const orvanta::Text& title, int mode, std::uint32_t draw, int number) {
  using namespace orvanta;
  // The title is escaped: it adds no '<' and no quote, and the box shows it unchanged.
  static const Text plainHead = BuildNewsPageHead("x");
  const Text head = BuildNewsPageHead(title);
  Check(CountOf(head, "<") == CountOf(plainHead, "<"));
  Check(CountOf(head, "'") == CountOf(plainHead, "'"));
  Check(KeywordBoxValue(head) == title);

  static const Text fragment = BuildStartPage(0);
  Check(BuildStartPage(mode) ==
        (mode == 1 ? "<HTML><HEAD></HEAD><BODY>" + fragment + "</BODY></HTML>" : fragment));
  static const Text loading = BuildLoadingPage(1);
  static const Text help = BuildHelpPage(1);
  Check(BuildLoadingPage(mode) == loading && BuildHelpPage(mode) == help);

  struct Kind {
    Text (*build)(int, std::uint32_t);
    std::uint32_t count;
    std::uint32_t first;
  };
  for (const Kind& kind :
       {Kind{BuildVideoPage, 10, 20}, Kind{BuildImagePage, 8, 42}, Kind{BuildMusicPage, 5, 62}}) {
    const Text page = kind.build(mode, draw);
    const std::string value = "value='" + std::to_string(draw % kind.count + kind.first) + "'";
    Check(CountOf(page, value) == 2);
    Check(CountOf(page, " selected>") == 1);
    Check((page.rfind("<HTML>", 0) == 0) == (mode == 1));
  }

  const Text advert = BuildAdvertScript(number);
  const int script = number >= 1 && number <= 3 ? number : 4;
  Check(advert == BuildAdvertScript(script));
  Check(advert.find("/ad/" + std::to_string(script) + ".js\"></script>") != Text::npos);
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

  // Mode, draw and advert number from the input's first twelve bytes where it has them;
  // a small mode is made likely so that both document forms come up.
  if (size >= 12) {
    const int raw = Read<int>(data);
    const int mode = raw % 4 == 0 ? raw : raw % 3;
    CheckFrameBuilders(title, mode, Read<std::uint32_t>(data + 4), Read<int>(data + 8));
  } else {
    CheckFrameBuilders(title, 1, 0, 1);
  }

  static const int plainLinkTags = CountOf(orvanta::SubscribeLinks("x"), "<");
  const orvanta::Text head = orvanta::BuildNewsPageHead(title);
  const orvanta::Text links = orvanta::SubscribeLinks(title);
  Check(CountOf(links, "<") == plainLinkTags);

  orvanta::NewsItemStore store;
  orvanta::ParseFeed(store, feed);
  const int total = static_cast<int>(store.titles.size());
  Check(orvanta::NewsPageCount(total) * orvanta::kNewsItemsPerPage >= total);
  const orvanta::Text navigation = orvanta::PageNavigation(current, pages, "temp/~astq2226529");
  const orvanta::Text page =
      orvanta::RenderNewsPage(store, current < 1 ? 1 : current, pages < 1 ? 1 : pages,
                              "temp/~astq2226529", links, head, orvanta::BuildAdvertScript(1));
  Check(page.size() >= head.size());
  return 0;
}
