// The news pipeline (cut into items, clean, render the pages) on feeds held in memory, set
// against the time a real XML parser needs merely to build a tree of the same feeds.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <chrono>
#include <string>
#include <vector>

#include "news/parse_feed.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/search_frame.h"
#include "text/code_page.h"

namespace {

using namespace orvanta;
using Clock = std::chrono::steady_clock;

// One item much like the services send: a CDATA description with markup, escaped tags and
// a redirect link, about one kilobyte.
Text Item(int feed, int k) {
  static const Text kTitle = Gbk("国内新闻：体育赛事与经济发展的最新报道");
  static const Text kBody = Gbk("据新华社报道，今日在北京举行的会议上，有关部门介绍了最新情况。"
                                "专家认为，这一举措将对相关行业产生深远影响。");
  const std::string n = std::to_string(feed) + "-" + std::to_string(k);
  Text item;
  item += "<item>\r\n<title><![CDATA[" + kTitle + " " + n + "]]></title>\r\n";
  item += "<link>http://go.rss.sina.com.cn/redirect.php?url=http://news.example.cn/a/" + n +
          ".shtml</link>\r\n";
  item += "<pubDate>Tue, 14 Aug 2012 10:00:00 +0800</pubDate>\r\n";
  item += "<description><![CDATA[<p><b>" + kTitle + "</b></p><table><tr><td>" + kBody +
          "</td></tr></table><a href=\"http://news.example.cn/r/" + n + "\">" + kBody +
          "</a><p>" + kBody + kBody + kBody + "</p>]]></description>\r\n</item>\r\n";
  return item;
}

Text Feed(int feed, int items) {
  Text text = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<rss version=\"2.0\">\r\n<channel>\r\n"
              "<title>feed</title>\r\n";
  text.reserve(static_cast<std::size_t>(items) * 1100 + 200);
  for (int k = 0; k < items; ++k) text += Item(feed, k);
  text += "</channel>\r\n</rss>\r\n";
  return text;
}

// The same item as an Atom entry, the way a modern service writes it.
Text Entry(int feed, int k) {
  static const Text kTitle = Gbk("国内新闻：体育赛事与经济发展的最新报道");
  static const Text kBody = Gbk("据新华社报道，今日在北京举行的会议上，有关部门介绍了最新情况。"
                                "专家认为，这一举措将对相关行业产生深远影响。");
  const std::string n = std::to_string(feed) + "-" + std::to_string(k);
  Text entry;
  entry += "<entry>\r\n<title type=\"html\">" + kTitle + " " + n + "</title>\r\n";
  entry += "<link rel=\"self\" href=\"http://news.example.cn/e/" + n + ".atom\"/>\r\n";
  entry += "<link rel=\"alternate\" type=\"text/html\" href=\"http://news.example.cn/a/" + n +
           ".shtml\"/>\r\n<id>tag:news.example.cn,2012:" + n + "</id>\r\n";
  entry += "<updated>2012-08-14T10:00:00+08:00</updated>\r\n";
  entry += "<summary type=\"html\"><![CDATA[<p><b>" + kTitle + "</b></p><table><tr><td>" + kBody +
           "</td></tr></table><a href=\"http://news.example.cn/r/" + n + "\">" + kBody +
           "</a><p>" + kBody + kBody + kBody + "</p>]]></summary>\r\n</entry>\r\n";
  return entry;
}

Text AtomFeed(int feed, int entries) {
  Text text = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n"
              "<feed xmlns=\"http://www.w3.org/2005/Atom\">\r\n<title>feed</title>\r\n";
  text.reserve(static_cast<std::size_t>(entries) * 1300 + 200);
  for (int k = 0; k < entries; ++k) text += Entry(feed, k);
  text += "</feed>\r\n";
  return text;
}

const std::vector<Text>& SixFeeds() {
  static const std::vector<Text> feeds = [] {
    std::vector<Text> six;
    for (int feed = 1; feed <= 6; ++feed) six.push_back(Feed(feed, 100));
    return six;
  }();
  return feeds;
}

std::size_t Bytes(const std::vector<Text>& feeds) {
  std::size_t bytes = 0;
  for (const Text& feed : feeds) bytes += feed.size();
  return bytes;
}

// Parse, clean and render every page, as BuildNewsPages does without the network and files.
std::size_t RunPipeline(const std::vector<Text>& feeds) {
  NewsItemStore store;
  for (const Text& feed : feeds) ParseFeed(store, feed);
  const Text title = Gbk("体育");
  const Text links = SubscribeLinks(title);
  const Text head = BuildNewsPageHead(title);
  const Text advert = BuildAdvertScript(1);
  const int pages = NewsPageCount(static_cast<int>(store.titles.size()));
  std::size_t written = 0;
  for (int page = 1; page <= pages; ++page)
    written += RenderNewsPage(store, page, pages, "temp/~astq2226529", links, head, advert).size();
  return written;
}

void ParseWithLibxml2(const std::vector<Text>& feeds) {
  for (const Text& feed : feeds) {
    xmlDocPtr document = xmlReadMemory(feed.data(), static_cast<int>(feed.size()), "feed.xml",
                                       nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR |
                                                    XML_PARSE_NOWARNING | XML_PARSE_HUGE);
    benchmark::DoNotOptimize(document);
    xmlFreeDoc(document);
  }
}

double SecondsPerRun(const std::vector<Text>& feeds, int runs, bool pipeline) {
  const auto start = Clock::now();
  for (int run = 0; run < runs; ++run) {
    if (pipeline)
      benchmark::DoNotOptimize(RunPipeline(feeds));
    else
      ParseWithLibxml2(feeds);
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / runs;
}

void BM_NewsPipelineSixFeeds(benchmark::State& state) {
  const auto& feeds = SixFeeds();
  for (auto _ : state) benchmark::DoNotOptimize(RunPipeline(feeds));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
  // Both measured here, one after the other, so the ratio comes from the same run.
  const double pipeline = SecondsPerRun(feeds, 20, true);
  const double libxml2 = SecondsPerRun(feeds, 20, false);
  state.counters["ratio_to_libxml2"] = pipeline / libxml2;
  state.counters["feed_kb"] = static_cast<double>(Bytes(feeds)) / 1024;
}
BENCHMARK(BM_NewsPipelineSixFeeds)->Unit(benchmark::kMillisecond);

void BM_Libxml2TreeSixFeeds(benchmark::State& state) {
  xmlInitParser();
  const auto& feeds = SixFeeds();
  for (auto _ : state) ParseWithLibxml2(feeds);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
}
BENCHMARK(BM_Libxml2TreeSixFeeds)->Unit(benchmark::kMillisecond);

// One feed of about 5 MB and one of about 50 MB: linear time means a factor of 10.
void BM_NewsPipelineOneLargeFeed(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0)) * 1024 * 1024 / 1100;
  const std::vector<Text> feeds{Feed(1, items)};
  for (auto _ : state) benchmark::DoNotOptimize(RunPipeline(feeds));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(feeds)));
  state.counters["feed_mb"] = static_cast<double>(Bytes(feeds)) / (1024 * 1024);
}
BENCHMARK(BM_NewsPipelineOneLargeFeed)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

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
