// The news pipeline (cut into items, clean, render the pages) on feeds held in memory, set
// against the time a real XML parser needs merely to build a tree of the same feeds; the two
// are timed in alternation in one run, and the parser must have built every item. The large
// feed benchmark prints how the time grows from about 4 MB to about 43 MB, net of the
// machine (growth_ratio.h).
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "growth_ratio.h"

#include "news/parse_feed.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/search_frame.h"
#include "text/code_page.h"

namespace {

using namespace orvanta;
using Clock = std::chrono::steady_clock;

const Text& Title() {
  static const Text title = Gbk("国内新闻：体育赛事与经济发展的最新报道");
  return title;
}

// The CDATA description of item n: markup, a table and a link, about one kilobyte.
Text Description(const std::string& n) {
  static const Text kBody =
      Gbk("据新华社报道，今日在北京举行的会议上，有关部门介绍了最新情况。"
          "专家认为，这一举措将对相关行业产生深远影响。");
  return "<![CDATA[<p><b>" + Title() + "</b></p><table><tr><td>" + kBody +
         "</td></tr></table><a href=\"http://news.example.cn/r/" + n + "\">" + kBody + "</a><p>" +
         kBody + kBody + kBody + "</p>]]>";
}

// One item much like the services send: a CDATA description with markup, escaped tags and
// a redirect link.
Text Item(int feed, int k) {
  const std::string n = std::to_string(feed) + "-" + std::to_string(k);
  Text item;
  item += "<item>\r\n<title><![CDATA[" + Title() + " " + n + "]]></title>\r\n";
  item += "<link>http://go.rss.sina.com.cn/redirect.php?url=http://news.example.cn/a/" + n +
          ".shtml</link>\r\n";
  item += "<pubDate>Tue, 14 Aug 2012 10:00:00 +0800</pubDate>\r\n";
  item += "<description>" + Description(n) + "</description>\r\n</item>\r\n";
  return item;
}

// A whole feed: opening, count pieces made by piece, closing.
Text FeedOf(std::string_view opening, Text (*piece)(int, int), int feed, int count,
            std::string_view closing) {
  Text text = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n";
  text += opening;
  text.reserve(static_cast<std::size_t>(count) * 1300 + 200);
  for (int k = 0; k < count; ++k) text += piece(feed, k);
  text += closing;
  return text;
}

Text Feed(int feed, int items) {
  return FeedOf("<rss version=\"2.0\">\r\n<channel>\r\n<title>feed</title>\r\n", Item, feed, items,
                "</channel>\r\n</rss>\r\n");
}

constexpr int kItemsPerFeed = 100;

// The same item as an Atom entry, the way a modern service writes it.
Text Entry(int feed, int k) {
  const std::string n = std::to_string(feed) + "-" + std::to_string(k);
  Text entry;
  entry += "<entry>\r\n<title type=\"html\">" + Title() + " " + n + "</title>\r\n";
  entry += "<link rel=\"self\" href=\"http://news.example.cn/e/" + n + ".atom\"/>\r\n";
  entry += "<link rel=\"alternate\" type=\"text/html\" href=\"http://news.example.cn/a/" + n +
           ".shtml\"/>\r\n<id>tag:news.example.cn,2012:" + n + "</id>\r\n";
  entry += "<updated>2012-08-14T10:00:00+08:00</updated>\r\n";
  entry += "<summary type=\"html\">" + Description(n) + "</summary>\r\n</entry>\r\n";
  return entry;
}

Text AtomFeed(int feed, int entries) {
  return FeedOf("<feed xmlns=\"http://www.w3.org/2005/Atom\">\r\n<title>feed</title>\r\n", Entry,
                feed, entries, "</feed>\r\n");
}

const std::vector<Text>& SixFeeds() {
  static const std::vector<Text> feeds = [] {
    std::vector<Text> six;
    for (int feed = 1; feed <= 6; ++feed) six.push_back(Feed(feed, kItemsPerFeed));
    return six;
  }();
  return feeds;
}

struct PipelineRun {
  std::size_t items = 0;
  std::size_t written = 0;
};

// Parse, clean and render every page, as BuildNewsPages does without the network and files.
PipelineRun RunPipeline(const std::vector<Text>& feeds) {
  NewsItemStore store;
  for (const Text& feed : feeds) ParseFeed(store, feed);
  const Text title = Gbk("体育");
  const Text links = SubscribeLinks(title);
  const Text head = BuildNewsPageHead(title);
  const Text advert = BuildAdvertScript(1);
  const int pages = NewsPageCount(static_cast<int>(store.titles.size()));
  PipelineRun run{store.titles.size(), 0};
  for (int page = 1; page <= pages; ++page)
    run.written +=
        RenderNewsPage(store, page, pages, "temp/~astq2226529", links, head, advert).size();
  return run;
}

std::vector<xmlDocPtr> ParseTrees(const std::vector<Text>& feeds) {
  std::vector<xmlDocPtr> trees;
  for (const Text& feed : feeds)
    trees.push_back(
        xmlReadMemory(feed.data(), static_cast<int>(feed.size()), "feed.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE));
  return trees;
}

void FreeTrees(const std::vector<xmlDocPtr>& trees) {
  for (xmlDocPtr tree : trees) xmlFreeDoc(tree);
}

// The <item> elements of each channel, so that a parser that gave up early cannot look fast.
std::size_t CountItems(const std::vector<xmlDocPtr>& trees) {
  std::size_t items = 0;
  for (xmlDocPtr tree : trees) {
    const xmlNode* rss = tree ? xmlDocGetRootElement(tree) : nullptr;
    for (const xmlNode* channel = rss ? rss->children : nullptr; channel; channel = channel->next)
      for (const xmlNode* node = channel->children; node; node = node->next)
        if (node->type == XML_ELEMENT_NODE &&
            std::strcmp(reinterpret_cast<const char*>(node->name), "item") == 0)
          ++items;
  }
  return items;
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Timed {
  double seconds = 0;
  bool allItems = false;
};

Timed TimePipeline(const std::vector<Text>& feeds, std::size_t expected) {
  const Clock::time_point start = Clock::now();
  const PipelineRun run = RunPipeline(feeds);
  return {SecondsSince(start), run.items == expected};
}

// The tree is counted between its parse and its release, outside the time.
Timed TimeLibxml2(const std::vector<Text>& feeds, std::size_t expected) {
  Clock::time_point start = Clock::now();
  const std::vector<xmlDocPtr> trees = ParseTrees(feeds);
  const double parsing = SecondsSince(start);
  const bool allItems = CountItems(trees) == expected;
  start = Clock::now();
  FreeTrees(trees);
  return {parsing + SecondsSince(start), allItems};
}

struct Comparison {
  double ratio = 0;      // of the medians
  double bestRatio = 0;  // of the fastest runs
  bool allItems = true;  // both saw every item in every run
};

// Pipeline and parser alternate, each round in the opposite order of the last, after one
// untimed run of each.
Comparison CompareWithLibxml2(const std::vector<Text>& feeds, int rounds) {
  const std::size_t expected = feeds.size() * kItemsPerFeed;
  TimePipeline(feeds, expected);
  TimeLibxml2(feeds, expected);
  std::vector<double> pipeline, libxml2;
  Comparison result;
  for (int run = 0; run < 2 * rounds; ++run) {
    const bool pipelineNow = (run % 2 == 0) == (run / 2 % 2 == 0);
    const Timed timed = pipelineNow ? TimePipeline(feeds, expected) : TimeLibxml2(feeds, expected);
    (pipelineNow ? pipeline : libxml2).push_back(timed.seconds);
    result.allItems &= timed.allItems;
  }
  result.ratio = growth::Median(pipeline) / growth::Median(libxml2);
  result.bestRatio = *std::min_element(pipeline.begin(), pipeline.end()) /
                     *std::min_element(libxml2.begin(), libxml2.end());
  return result;
}

std::size_t Bytes(const std::vector<Text>& feeds) {
  std::size_t bytes = 0;
  for (const Text& feed : feeds) bytes += feed.size();
  return bytes;
}

void BM_NewsPipelineSixFeeds(benchmark::State& state) {
  const auto& feeds = SixFeeds();
  for (auto _ : state) benchmark::DoNotOptimize(RunPipeline(feeds));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
  const Comparison comparison = CompareWithLibxml2(feeds, 41);
  if (!comparison.allItems) state.SkipWithError("a run did not see every item");
  state.counters["ratio_to_libxml2"] = comparison.ratio;
  state.counters["ratio_min"] = comparison.bestRatio;
  state.counters["feed_kb"] = static_cast<double>(Bytes(feeds)) / 1024;
}
BENCHMARK(BM_NewsPipelineSixFeeds)->Unit(benchmark::kMillisecond);

void BM_Libxml2TreeSixFeeds(benchmark::State& state) {
  xmlInitParser();
  const auto& feeds = SixFeeds();
  for (auto _ : state) FreeTrees(ParseTrees(feeds));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
  const std::vector<xmlDocPtr> trees = ParseTrees(feeds);
  if (CountItems(trees) != feeds.size() * kItemsPerFeed) state.SkipWithError("libxml2 lost items");
  FreeTrees(trees);
}
BENCHMARK(BM_Libxml2TreeSixFeeds)->Unit(benchmark::kMillisecond);

// The machine's pass over a feed: the C library's search for a tag it never finds.
std::size_t MachinePass(const Text& feed) {
  return ::memmem(feed.data(), feed.size(), "<item>x", 7) ? 1 : feed.size();
}

// One feed of about 4 MB and one of about 43 MB: linear time means a growth of about 10, and
// a net growth of about 1.
void BM_NewsPipelineOneLargeFeed(benchmark::State& state) {
  const std::vector<Text> small{Feed(1, 5 * 1024 * 1024 / 1100)};
  const std::vector<Text> large{Feed(1, 50 * 1024 * 1024 / 1100)};
  auto feeds = [&](bool big) -> const std::vector<Text>& { return big ? large : small; };
  for (auto _ : state) {
    const growth::Ratio ratio =
        growth::Measure([&](bool big) { benchmark::DoNotOptimize(RunPipeline(feeds(big))); },
                        [&](bool big) { benchmark::DoNotOptimize(MachinePass(feeds(big)[0])); }, 5);
    state.counters["growth"] = ratio.growth;
    state.counters["machine_growth"] = ratio.machineGrowth;
    state.counters["net_growth"] = ratio.Net();
  }
  state.counters["size_ratio"] = static_cast<double>(Bytes(large)) / Bytes(small);
  state.counters["feed_mb"] = static_cast<double>(Bytes(large)) / (1024 * 1024);
}
// One measurement, which alternates both feeds with the machine's pass; the figures are the
// counters, the time column is only how long the measurement took.
BENCHMARK(BM_NewsPipelineOneLargeFeed)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same sizes as Atom: the entries' road should cost about what the items' road does.
void BM_NewsPipelineOneLargeAtomFeed(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0)) * 1024 * 1024 / 1300;
  const std::vector<Text> feeds{AtomFeed(1, entries)};
  for (auto _ : state) benchmark::DoNotOptimize(RunPipeline(feeds));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
  state.counters["feed_mb"] = static_cast<double>(Bytes(feeds)) / (1024 * 1024);
}
BENCHMARK(BM_NewsPipelineOneLargeAtomFeed)
    ->Arg(5)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
