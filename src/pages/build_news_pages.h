// Turning up to six feeds and a title into paged local news files.
#pragma once

#include <optional>

#include "news/news_feed_slots.h"
#include "news/news_item_store.h"
#include "pages/feed_progress.h"
#include "text/text.h"

namespace orvanta {

inline constexpr int kNewsItemsPerPage = 10;
// One build keeps the first this many items (100 pages): real feeds bring 20 to 100 each,
// and a hostile one must not fill the disk with pages.
inline constexpr int kMaxNewsItems = 1000;

struct NewsBuildResult {
  // The text the user must see (code page 936), and then no page was written: the download
  // error when slot 1 failed, the write failure when a page could not be written. Showing
  // it is the window side's business.
  std::optional<Text> message;
  int pagesWritten = 0;
  bool writeFailed = false;
};

// Fetches the slots concurrently, merges their items in slot order and writes the pages
// baseName + "1", "2", ... relative to the current directory. progress hears of the
// downloads while they run, and never after the build returns.
NewsBuildResult BuildNewsPages(const NewsFeedSlots& slots, const Text& baseName, const Text& title,
                               const FeedProgressSink& progress = {});
NewsBuildResult BuildNewsPages(const Text& slot1, const Text& slot2, const Text& slot3,
                               const Text& slot4, const Text& slot5, const Text& slot6,
                               const Text& baseName, const Text& title);

// Number of pages for total items, ten a page.
int NewsPageCount(int total);

// The items of page (counted from 1), perPage a page, in store order.
Text PageItems(const NewsItemStore& store, int page, int perPage);

// Writes the pages of a filled store, all of them or, when one cannot be written, none: the
// pages of an earlier build stay as they were, and the result carries the write failure.
NewsBuildResult WriteNewsPages(const NewsItemStore& store, const Text& baseName, const Text& title);

// The text of one page of a filled store; head and advert are built by the caller once.
Text RenderNewsPage(const NewsItemStore& store, int page, int pages, const Text& baseName,
                    const Text& subscribeLinks, const Text& head, const Text& advert);

// The subscribe and unsubscribe links for title.
Text SubscribeLinks(const Text& title);

}  // namespace orvanta
