#include "pages/build_news_pages.h"

#include <algorithm>
#include <exception>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "files/staged_files.h"
#include "files/stale_temporaries.h"
#include "files/write_failure_message.h"
#include "net/download_error_message.h"
#include "news/fetch_feed.h"
#include "news/parse_feed.h"
#include "pages/advert_script.h"
#include "pages/base_name_lock.h"
#include "pages/page_navigation.h"
#include "pages/search_frame.h"
#include "text/code_page.h"
#include "text/markup_escape.h"
#include "text/split_text.h"

namespace orvanta {
namespace {

using FeedTexts = std::array<Text, std::tuple_size_v<NewsFeedSlots>>;

// Runs on a fetch thread: nothing may escape it.
Text FetchQuietly(const Text& address) noexcept {
  try {
    return FetchFeed(address);
  } catch (...) {
    return Text();
  }
}

// Slot 1 is fetched even when its address is empty; the other slots only when they have one.
std::vector<std::size_t> SlotsToFetch(const NewsFeedSlots& slots) {
  std::vector<std::size_t> fetched;
  for (std::size_t slot = 0; slot < slots.size(); ++slot)
    if (slot == 0 || !slots[slot].empty()) fetched.push_back(slot);
  return fetched;
}

// Every slot that will be read is fetched at once, so a page waits for its slowest feed
// rather than for the sum of them.
FeedTexts FetchSlots(const NewsFeedSlots& slots, const FeedProgressSink& progress) {
  const std::vector<std::size_t> fetched = SlotsToFetch(slots);
  std::vector<Text> addresses;
  for (const std::size_t slot : fetched) addresses.push_back(slots[slot]);
  FeedProgressReporter reporter(addresses, progress);
  reporter.Start();
  FeedTexts feeds;
  std::vector<std::thread> fetchers;
  fetchers.reserve(fetched.size());
  for (std::size_t feed = 0; feed < fetched.size(); ++feed) {
    const auto fetch = [&feeds, &slots, &reporter, slot = fetched[feed], feed] {
      feeds[slot] = FetchQuietly(slots[slot]);
      reporter.FeedEnded(feed);
    };
    try {
      fetchers.emplace_back(fetch);
    } catch (const std::system_error&) {
      fetch();  // no thread to be had: fetch it here
    }
  }
  for (auto& fetcher : fetchers) fetcher.join();
  return feeds;
}

NewsBuildResult WriteFailed(const Text& page) {
  NewsBuildResult result;
  result.message = WriteFailureMessage(page);
  result.writeFailed = true;
  return result;
}

}  // namespace

int NewsPageCount(int total) {
  if (total <= 0) return 0;
  return total / kNewsItemsPerPage + (total % kNewsItemsPerPage != 0 ? 1 : 0);
}

Text PageItems(const NewsItemStore& store, int page, int perPage) {
  const int total = static_cast<int>(store.titles.size());
  const int first = (page - 1) * perPage;
  const int end = std::min(total, page * perPage);
  static constexpr std::string_view kOpen = "<a href='";
  static constexpr std::string_view kTarget = "' target='_blank'>";
  static constexpr std::string_view kClose = "</a> ";
  static constexpr std::string_view kBreak = "<br>";
  static constexpr std::string_view kEnd = "<br><br>";
  std::size_t size = 0;
  for (int k = std::max(0, first); k < end; ++k)
    size += ItemAt(store.links, k).size() + store.titles[k].size() + ItemAt(store.dates, k).size() +
            ItemAt(store.descriptions, k).size() + 48;
  Text items;
  items.reserve(size);
  for (int k = std::max(0, first); k < end; ++k) {
    items += kOpen;
    items += ItemAt(store.links, k);
    items += kTarget;
    items += store.titles[k];
    items += kClose;
    items += ItemAt(store.dates, k);
    items += kBreak;
    items += ItemAt(store.descriptions, k);
    items += kEnd;
  }
  return items;
}

Text SubscribeLinks(const Text& title) {
  static const Text kSubscribe = Gbk("订阅“");
  static const Text kNews = Gbk("”资讯");
  static const Text kUnsubscribe = Gbk("取消订阅“");
  static const Text kQuoteEnd = Gbk("”");
  // The title stands in attribute values and in element text; escaped, it shows as itself
  // and travels back to the shell unchanged.
  const Text shown = EscapeMarkup(title);
  Text links;
  links.reserve(shown.size() * 4 + 160);
  links += "<a href='http://dy/#";
  links += shown;
  links += "#1#' target='_blank'>";
  links += kSubscribe;
  links += shown;
  links += kNews;
  links += "</a> <a href='http://dy/#";
  links += shown;
  links += "#0#' target='_blank'>";
  links += kUnsubscribe;
  links += shown;
  links += kQuoteEnd;
  links += "</a>";
  return links;
}

Text RenderNewsPage(const NewsItemStore& store, int page, int pages, const Text& baseName,
                    const Text& subscribeLinks, const Text& head, const Text& advert) {
  const Text navigation = PageNavigation(page, pages, baseName);
  const Text items = PageItems(store, page, kNewsItemsPerPage);
  Text text;
  text.reserve(subscribeLinks.size() + head.size() + 2 * navigation.size() + items.size() +
               advert.size() + 32);
  text += subscribeLinks;
  text += "<br>";
  text += head;
  text += "<br>";
  text += navigation;
  text += "<br><br>";
  text += items;
  text += "<br><br>";
  text += navigation;
  text += "<br><br>";
  text += advert;
  text += "<br><br>";
  return text;
}

NewsBuildResult WriteNewsPages(const NewsItemStore& store, const Text& baseName,
                               const Text& title) {
  NewsBuildResult result;
  const int pages = NewsPageCount(static_cast<int>(store.titles.size()));
  if (pages == 0) return result;
  // Equal on every page, so built once.
  const Text links = SubscribeLinks(title);
  const Text head = BuildNewsPageHead(title);
  const Text advert = BuildAdvertScript(1);
  StagedFiles staged;
  for (int page = 1; page <= pages; ++page) {
    const Text name = baseName + std::to_string(page);
    const Text text = RenderNewsPage(store, page, pages, baseName, links, head, advert);
    // Pages can be built again at any time: they do not wait for the disk.
    if (!staged.Stage(name, text, Durability::kNoFlush)) return WriteFailed(name);
  }
  if (!staged.PutInPlace()) return WriteFailed(baseName + "1");
  result.pagesWritten = pages;
  return result;
}

NewsBuildResult BuildNewsPages(const NewsFeedSlots& slots, const Text& baseName, const Text& title,
                               const FeedProgressSink& progress) {
  NewsBuildResult result;
  try {
    // Builds of one base name would overwrite each other's pages: one after the other.
    const auto lock = LockBaseName(baseName);
    FeedTexts feeds = FetchSlots(slots, progress);
    if (feeds[0].empty()) {
      result.message = DownloadErrorMessage();
      return result;
    }
    NewsItemStore store;
    for (std::size_t slot = 0; slot < feeds.size(); ++slot) {
      if (slot > 0 && slots[slot].empty()) continue;
      ParseFeed(store, feeds[slot], kMaxNewsItems);
      Text().swap(feeds[slot]);  // a parsed feed is not needed any more
    }
    RemoveStaleTemporariesBeside(baseName);
    result = WriteNewsPages(store, baseName, title);
  } catch (const std::exception&) {
    // Out of memory or the like: the build ends quietly with what it wrote.
  }
  return result;
}

NewsBuildResult BuildNewsPages(const Text& slot1, const Text& slot2, const Text& slot3,
                               const Text& slot4, const Text& slot5, const Text& slot6,
                               const Text& baseName, const Text& title) {
  return BuildNewsPages(NewsFeedSlots{slot1, slot2, slot3, slot4, slot5, slot6}, baseName, title);
}

}  // namespace orvanta
