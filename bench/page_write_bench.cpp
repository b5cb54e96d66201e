// Writing the 100 pages of a full news build (1,000 items), with and without waiting for
// the disk after each file. Run it from a folder on the disk that the program writes to; a
// busy disk (for instance `dd if=/dev/zero of=busy bs=1M count=2000 conv=fsync` beside it)
// shows what the flush costs when other programs write too.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/write_file.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/search_frame.h"
#include "text/code_page.h"

namespace {

using namespace orvanta;

// About a kilobyte an item, as the services send them.
NewsItemStore FullStore() {
  const Text body = Gbk("据新华社报道，今日在北京举行的会议上，有关部门介绍了最新情况。");
  NewsItemStore store;
  for (int k = 0; k < kMaxNewsItems; ++k) {
    const std::string n = std::to_string(k);
    store.titles.push_back(Gbk("国内新闻：体育赛事的最新报道 ") + n);
    store.links.push_back("http://news.example.cn/a/" + n + ".shtml");
    store.dates.push_back(Gbk("2012年8月14日10:00:00 星期二"));
    store.descriptions.push_back("<p>" + body + body + body + body + body + body + body + body +
                                 body + body + body + "</p>");
  }
  return store;
}

std::vector<Text> HundredPages(const std::string& base) {
  const NewsItemStore store = FullStore();
  const Text title = Gbk("体育");
  const Text links = SubscribeLinks(title), head = BuildNewsPageHead(title);
  const Text advert = BuildAdvertScript(1);
  const int pages = NewsPageCount(kMaxNewsItems);
  std::vector<Text> texts;
  for (int page = 1; page <= pages; ++page)
    texts.push_back(RenderNewsPage(store, page, pages, base, links, head, advert));
  return texts;
}

void WriteHundredPages(benchmark::State& state, Durability durability) {
  char pattern[] = "orvanta-page-write-XXXXXX";
  const std::string folder = ::mkdtemp(pattern);
  const std::string base = folder + "/~astq2226529";
  const std::vector<Text> pages = HundredPages(base);
  std::size_t bytes = 0;
  for (const Text& page : pages) bytes += page.size();
  for (auto _ : state) {
    for (std::size_t page = 0; page < pages.size(); ++page)
      WriteFileAtomically(base + std::to_string(page + 1), pages[page], durability);
  }
  state.counters["pages"] = static_cast<double>(pages.size());
  state.counters["page_kb"] = static_cast<double>(bytes) / pages.size() / 1024;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void BM_WriteHundredPagesFlushed(benchmark::State& state) {
  WriteHundredPages(state, Durability::kFlushToDisk);
}
BENCHMARK(BM_WriteHundredPagesFlushed)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_WriteHundredPagesUnflushed(benchmark::State& state) {
  WriteHundredPages(state, Durability::kNoFlush);
}
BENCHMARK(BM_WriteHundredPagesUnflushed)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
