#include "net/address_host.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(AddressHost, TakesTheHostAlone) {
  struct Case {
    const char* address;
    const char* host;
    const char* what;
  };
  const Case cases[] = {
      {"http://news.sohu.com/rss/sports.xml", "news.sohu.com", "a feed address"},
      {"http://news.baidu.com/ns?word=a b&tn=newsrss", "news.baidu.com", "a query"},
      {"http://news.sohu.com", "news.sohu.com", "no path"},
      {"http://news.sohu.com?x=1", "news.sohu.com", "a query right after the host"},
      {"https://user:pw@feeds.example:8080/x", "feeds.example", "user and port"},
      {"http://[::1]:8080/x", "[::1]", "a bracketed address keeps its colons"},
      {"http://a/b@c/d", "a", "an @ in the path is not a user"},
      {"", "", "empty address"},
      {"news.sohu.com/rss", "", "no scheme"},
  };
  for (const Case& c : cases) EXPECT_EQ(AddressHost(c.address), c.host) << c.what;
}

}  // namespace
}  // namespace orvanta
