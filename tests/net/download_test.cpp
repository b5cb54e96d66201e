#include "net/download.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "net/service_hosts.h"
#include "news/fetch_feed.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;

struct JoinCase {
  const char* what;
  std::string body, expected;
};

TEST(JoinLinesWithCrLf, EndsEveryLineWithCrLf) {
  const JoinCase cases[] = {
      {"bare line feeds", "a\nb\n", "a\r\nb\r\n"},
      {"carriage return before the line feed stays", "a\r\nb\r\n", "a\r\r\nb\r\r\n"},
      {"no line feed at all", "abc", "abc\r\n"},
      {"last line without a line feed", "a\nb", "a\r\nb\r\n"},
      {"empty lines", "\n\n", "\r\n\r\n"},
      {"empty body", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinLinesWithCrLf(c.body), c.expected) << c.what;
}

// A body arrives in pieces cut anywhere, a CR LF pair or a line feed included.
TEST(AppendWithCrLf, JoinsABodyCutAnywhereLikeTheWholeBody) {
  for (const std::string body : {"a\nbc\r\n\nd", "\n\n", "x\r", "ab\n"}) {
    for (std::size_t cut = 0; cut <= body.size(); ++cut) {
      Text joined;
      AppendWithCrLf(joined, std::string_view(body).substr(0, cut));
      AppendWithCrLf(joined, std::string_view(body).substr(cut));
      EndLastLine(joined);
      EXPECT_EQ(joined, JoinLinesWithCrLf(body)) << "cut at " << cut;
    }
  }
}

TEST(PrepareAddress, AcceptsOnlyWebAddresses) {
  EXPECT_EQ(PrepareAddress("http://a/b?q=1"), "http://a/b?q=1");
  EXPECT_EQ(PrepareAddress("HTTPS://a/"), "HTTPS://a/");
  EXPECT_EQ(PrepareAddress("http://a/?q=\xCC\xE5 x "), "http://a/?q=%CC%E5%20x");
  EXPECT_EQ(PrepareAddress(""), "");
  EXPECT_EQ(PrepareAddress("ftp://a/"), "");
  EXPECT_EQ(PrepareAddress("file:///etc/passwd"), "");
  EXPECT_EQ(PrepareAddress("a/b"), "");
}

class DownloadTest : public ::testing::Test {
 protected:
  LoopbackServer server;
};

TEST_F(DownloadTest, JoinsTheBodyOfAnyStatus) {
  server.Serve("", "/feed", "<rss>\n<item>x</item>\n</rss>");
  server.Serve("", "/crlf", "a\r\nb\r\n");
  server.Serve("", "/missing", "gone\n", "text/html", 404);
  server.Serve("", "/empty", "");
  EXPECT_EQ(DownloadLines(server.Address("/feed")), "<rss>\r\n<item>x</item>\r\n</rss>\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/crlf")), "a\r\r\nb\r\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/missing")), "gone\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/empty")), "");
}

TEST_F(DownloadTest, FollowsRedirectsButOnlyToTheWeb) {
  server.Serve("", "/target", "arrived\n");
  server.Route("", "/moved", [&](const httplib::Request&, httplib::Response& response) {
    response.set_redirect(server.Address("/target"));
  });
  server.Route("", "/to-file", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("file:///etc/hostname");
  });
  EXPECT_EQ(DownloadLines(server.Address("/moved")), "arrived\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/to-file")), "");
}

TEST_F(DownloadTest, RefusesAnOversizeBody) {
  const std::string big((32u << 20) + 1, 'x');
  server.Serve("", "/big", big);
  server.Serve("", "/limit", std::string(32u << 20, 'x'));
  EXPECT_EQ(DownloadLines(server.Address("/big")), "");
  EXPECT_EQ(DownloadLines(server.Address("/limit")).size(), (32u << 20) + 2);
}

TEST_F(DownloadTest, GivesUpOnAStalledBody) {
  std::atomic<bool> release{false};
  server.Route("", "/stall", [&](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("text/xml", [&](size_t offset, httplib::DataSink& sink) {
      if (offset == 0) {
        sink.write("<rss>\n", 6);
        return true;
      }
      for (int i = 0; i < 100 && !release; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      sink.done();
      return true;
    });
  });
  DownloadLimits limits;
  limits.stallTimeout = std::chrono::seconds(1);
  EXPECT_EQ(DownloadLines(server.Address("/stall"), limits), "");
  release = true;
}

TEST_F(DownloadTest, WaitsForASlowBodyThatKeepsComing) {
  // One byte every 1.5 s: far below a byte a second, yet never silent for the 2 s limit.
  // (A type the server does not compress, so each byte leaves at once.)
  server.Route("", "/slow", [&](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/octet-stream", [&](size_t offset, httplib::DataSink& sink) {
      if (offset > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1500));
      if (offset == 4) {
        sink.done();
        return true;
      }
      sink.write("abcd" + offset, 1);
      return true;
    });
  });
  DownloadLimits limits;
  limits.stallTimeout = std::chrono::seconds(2);
  EXPECT_EQ(DownloadLines(server.Address("/slow"), limits), "abcd\r\n");
}

// A byte every 300 ms never trips the stall rule; only the bound on the whole transfer ends it.
TEST_F(DownloadTest, GivesUpOnABodyThatTricklesPastTheWholeTransferBound) {
  std::atomic<bool> release{false};
  server.Route("", "/trickle", [&](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/octet-stream", [&](size_t offset, httplib::DataSink& sink) {
      if (offset > 0) std::this_thread::sleep_for(std::chrono::milliseconds(300));
      if (offset == 40 || release) {
        sink.done();
        return true;
      }
      sink.write("x", 1);
      return true;
    });
  });
  DownloadLimits limits;
  limits.stallTimeout = std::chrono::seconds(1);
  limits.transferTimeout = std::chrono::seconds(2);
  // Unbounded, the whole body would come in after 12 s.
  EXPECT_EQ(DownloadLines(server.Address("/trickle"), limits), "");
  release = true;
}

TEST(Download, FailsOnDeadAddresses) {
  // A port nobody listens on: bind one, then close it.
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  const std::string refused = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  EXPECT_EQ(DownloadLines(refused), "");
  EXPECT_EQ(DownloadLines(""), "");
  EXPECT_EQ(DownloadLines("not an address"), "");
  EXPECT_EQ(DownloadLines("http://name.invalid/"), "");
}

// A listener whose backlog is full drops further connection attempts, so connecting hangs
// until the connect time-out. This test takes about ten seconds.
TEST(Download, GivesUpWhenTheConnectionIsNeverAccepted) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  std::vector<int> fillers;
  for (int i = 0; i < 4; ++i) {
    const int filler = socket(AF_INET, SOCK_STREAM, 0);
    fcntl(filler, F_SETFL, O_NONBLOCK);
    connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    fillers.push_back(filler);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let the handshakes settle
  const std::string full = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(FetchFeed(full), "");
  const auto waited = std::chrono::steady_clock::now() - started;
  // Only a sanity bound, so that a missing time-out shows as a failure rather than a hang.
  EXPECT_LT(waited, std::chrono::seconds(25));
  for (const int filler : fillers) close(filler);
  close(listener);
}

class FetchFeedTest : public ::testing::Test {
 protected:
  LoopbackServer server;
};

TEST_F(FetchFeedTest, DecidesTheEncodingByTheBareWordsAndTheHost) {
  const Text sport = "\xCC\xE5\xD3\xFD";            // 体育 in GBK
  const std::string sportUtf8 = "\xE4\xBD\x93\xE8\x82\xB2";
  server.Serve("", "/gbk", "<?xml version=\"1.0\" encoding=\"gb2312\"?>\n<title>" + sport + "</title>\n");
  server.Serve("", "/declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<title>" + sportUtf8 + "</title>\n");
  server.Serve("", "/mentions", "<title>" + sport + " utf-8</title>\n");
  server.Serve("", "/first-byte", "UTF-8\n");
  EXPECT_EQ(FetchFeed(server.Address("/gbk")),
            "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<title>" + sport + "</title>\r\n");
  EXPECT_EQ(FetchFeed(server.Address("/declared")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<title>" + sport + "</title>\r\n");
  // A GBK feed that names utf-8 in an item is converted all the same: its GBK breaks.
  Text broken = "<title>" + sport + " utf-8</title>\r\n";
  Utf8ToLocal(broken);
  EXPECT_EQ(FetchFeed(server.Address("/mentions")), broken);
  EXPECT_EQ(FetchFeed(server.Address("/first-byte")), "UTF-8\r\n");
}

TEST_F(FetchFeedTest, TreatsBothGoogleNewsHostsAsUtf8) {
  const std::string sportUtf8 = "\xE4\xBD\x93\xE8\x82\xB2";
  server.Serve(std::string(hosts::kGoogleNews), "/news?output=rss", "<t>" + sportUtf8 + "</t>\n");
  server.Serve(std::string(hosts::kGoogleNewsChina), "/news?output=rss", "<t>" + sportUtf8 + "</t>\n");
  server.Serve("elsewhere.example", "/news?output=rss", "<t>" + sportUtf8 + "</t>\n");
  ProxyEnvironment proxy(server.Address(""));
  EXPECT_EQ(FetchFeed("http://" + Text(hosts::kGoogleNews) + "/news?output=rss"), "<t>\xCC\xE5\xD3\xFD</t>\r\n");
  EXPECT_EQ(FetchFeed("http://" + Text(hosts::kGoogleNewsChina) + "/news?output=rss"), "<t>\xCC\xE5\xD3\xFD</t>\r\n");
  EXPECT_EQ(FetchFeed("http://elsewhere.example/news?output=rss"), "<t>" + sportUtf8 + "</t>\r\n");
}

}  // namespace
}  // namespace orvanta
