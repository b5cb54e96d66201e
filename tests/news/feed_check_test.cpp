#include "news/feed_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "support/loopback_server.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;

TEST(CheckFeeds, CountsTheItemsOfEachAddressInOrder) {
  std::string dead;
  {
    LoopbackServer gone;  // a port that just closed: the connection is refused
    dead = gone.Address("/dead.xml");
  }
  LoopbackServer server;
  server.ServeFixture("", "/rss.xml", "news_pages/baidu_sports_4_items.xml");
  server.ServeFixture("", "/atom.xml", "feeds/atom_tech_entries_utf8.xml");
  server.Serve("", "/empty.xml", "");
  const TextArray addresses = {server.Address("/rss.xml"),  server.Address("/missing.xml"), dead,
                               server.Address("/atom.xml"), server.Address("/empty.xml"),   ""};
  int calls = 0, lastDone = 0;
  const auto checks = CheckFeeds(addresses, [&](int done, int total) {
    ++calls;
    EXPECT_EQ(done, lastDone + 1);
    EXPECT_EQ(total, static_cast<int>(addresses.size()));
    lastDone = done;
  });
  const std::optional<int> expected[] = {4, 0, std::nullopt, 4, std::nullopt, std::nullopt};
  ASSERT_EQ(checks.size(), addresses.size());
  for (std::size_t k = 0; k < checks.size(); ++k) {
    EXPECT_EQ(checks[k].address, addresses[k]) << k;
    EXPECT_EQ(checks[k].items, expected[k]) << addresses[k];
  }
  EXPECT_EQ(calls, static_cast<int>(addresses.size()));
  EXPECT_TRUE(CheckFeeds({}, nullptr).empty());
}

// Each answer waits until eight requests are in at once (bounded, should the check ever run
// fewer), then all answers go out.
TEST(CheckFeeds, FetchesEightAtOnce) {
  LoopbackServer server;
  std::mutex mutex;
  std::condition_variable changed;
  int inFlight = 0, mostInFlight = 0;
  bool released = false;
  server.Route("", "/slow.xml", [&](const httplib::Request&, httplib::Response& response) {
    std::unique_lock<std::mutex> lock(mutex);
    mostInFlight = std::max(mostInFlight, ++inFlight);
    if (inFlight == kConcurrentFeedChecks) released = true;
    changed.notify_all();
    changed.wait_for(lock, std::chrono::seconds(10), [&] { return released; });
    --inFlight;
    response.set_content("<item><title>t</title></item>", "text/xml");
  });
  const TextArray addresses(20, server.Address("/slow.xml"));
  const auto checks = CheckFeeds(addresses, nullptr);
  EXPECT_EQ(mostInFlight, kConcurrentFeedChecks);
  for (const FeedCheck& check : checks) EXPECT_EQ(check.items, 1);
}

// Two workers finish at once and eight trickling feeds take all of them until the bound: the
// one left over is never fetched. Without the bound the check would last two minutes.
TEST(CheckFeeds, EndsWithinItsBoundAndTellsWhatItCutShort) {
  std::string dead;
  {
    LoopbackServer gone;
    dead = gone.Address("/dead.xml");
  }
  LoopbackServer server;
  server.ServeFixture("", "/rss.xml", "news_pages/baidu_sports_4_items.xml");
  server.Trickle("", "/slow.xml");
  TextArray addresses = {server.Address("/rss.xml"), dead};
  addresses.resize(2 + kConcurrentFeedChecks + 1, server.Address("/slow.xml"));
  const auto checks = CheckFeeds(addresses, nullptr, std::chrono::seconds(3));
  ASSERT_EQ(checks.size(), addresses.size());
  EXPECT_EQ(checks[0].items, 4);
  EXPECT_FALSE(checks[0].cutShort);
  EXPECT_EQ(checks[1].items, std::nullopt);
  EXPECT_FALSE(checks[1].cutShort) << "refused at once: failed for a reason of its own";
  for (std::size_t k = 2; k < checks.size(); ++k) {
    EXPECT_EQ(checks[k].items, std::nullopt) << k;
    EXPECT_TRUE(checks[k].cutShort) << k;
  }
  EXPECT_EQ(server.Hits("127.0.0.1", "/slow.xml"), kConcurrentFeedChecks);
}

}  // namespace
}  // namespace orvanta
