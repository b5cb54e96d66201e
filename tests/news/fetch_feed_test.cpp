#include "news/fetch_feed.h"

#include <gtest/gtest.h>

#include "net/service_hosts.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;

// A body is UTF-8 when the bare words stand anywhere beyond its first byte, or when it comes
// from either Google News host; the rest is kept as GBK.
TEST(FetchFeed, DecidesTheEncodingByTheBareWordsAndTheHost) {
  const Text sport = "\xCC\xE5\xD3\xFD";  // 体育 in GBK
  const std::string sportUtf8 = "\xE4\xBD\x93\xE8\x82\xB2";
  Text broken = "<title>" + sport + " utf-8</title>\r\n";
  Utf8ToLocal(broken);
  const struct {
    std::string host, body;
    Text expected;
    const char* what;
  } cases[] = {
      {"gbk.example", "<?xml encoding=\"gb2312\"?>\n<t>" + sport + "</t>",
       "<?xml encoding=\"gb2312\"?>\r\n<t>" + sport + "</t>\r\n", "GBK stays"},
      {"utf8.example", "<?xml encoding=\"UTF-8\"?>\n<t>" + sportUtf8 + "</t>",
       "<?xml encoding=\"UTF-8\"?>\r\n<t>" + sport + "</t>\r\n", "declared UTF-8"},
      {"mentions.example", "<title>" + sport + " utf-8</title>\n", broken,
       "a GBK feed that names utf-8 in an item is converted all the same: its GBK breaks"},
      {"first-byte.example", "UTF-8 " + sportUtf8, "UTF-8 " + sportUtf8 + "\r\n",
       "the words at the first byte count not"},
      {std::string(hosts::kGoogleNews), "<t>" + sportUtf8 + "</t>", "<t>" + sport + "</t>\r\n",
       "Google News"},
      {std::string(hosts::kGoogleNewsChina), "<t>" + sportUtf8 + "</t>", "<t>" + sport + "</t>\r\n",
       "Google News China"},
  };
  LoopbackServer server;
  ProxyEnvironment proxy(server.Address(""));
  for (const auto& c : cases) server.Serve(c.host, "/news?output=rss", c.body);
  for (const auto& c : cases)
    EXPECT_EQ(FetchFeed("http://" + c.host + "/news?output=rss"), c.expected) << c.what;
}

}  // namespace
}  // namespace orvanta
