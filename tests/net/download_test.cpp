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

#include "support/loopback_server.h"

namespace orvanta {
namespace {

using namespace std::chrono_literals;
using orvanta::testing::LoopbackServer;

// A body arrives in pieces cut anywhere, a CR LF pair or a line feed included.
TEST(JoinLinesWithCrLf, EndsEveryLineWithCrLfWhereverTheBodyIsCut) {
  const struct {
    const char* what;
    std::string body, expected;
  } cases[] = {
      {"bare line feeds", "a\nb\n", "a\r\nb\r\n"},
      {"carriage return before the line feed stays", "a\r\nb\r\n", "a\r\r\nb\r\r\n"},
      {"no line feed at all", "abc", "abc\r\n"},
      {"last line without a line feed", "a\nbc\r\n\nd", "a\r\nbc\r\r\n\r\nd\r\n"},
      {"empty lines", "\n\n", "\r\n\r\n"},
      {"a last carriage return", "x\r", "x\r\r\n"},
      {"empty body", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JoinLinesWithCrLf(c.body), c.expected) << c.what;
    for (std::size_t cut = 0; cut <= c.body.size(); ++cut) {
      Text joined;
      AppendWithCrLf(joined, std::string_view(c.body).substr(0, cut));
      AppendWithCrLf(joined, std::string_view(c.body).substr(cut));
      EndLastLine(joined);
      EXPECT_EQ(joined, c.expected) << c.what << ", cut at " << cut;
    }
  }
}

TEST(PrepareAddress, AcceptsOnlyWebAddresses) {
  EXPECT_EQ(PrepareAddress("http://a/b?q=1"), "http://a/b?q=1");
  EXPECT_EQ(PrepareAddress("HTTPS://a/"), "HTTPS://a/");
  EXPECT_EQ(PrepareAddress("http://a/?q=\xCC\xE5 x "), "http://a/?q=%CC%E5%20x");
  for (const char* refused : {"", "ftp://a/", "file:///etc/passwd", "a/b"})
    EXPECT_EQ(PrepareAddress(refused), "") << refused;
}

TEST(DownloadLines, JoinsTheBodyOfAnyStatusAndFollowsRedirectsOnlyToTheWeb) {
  LoopbackServer server;
  server.Serve("", "/feed", "<rss>\n<item>x</item>\n</rss>");
  server.Serve("", "/missing", "gone\n", "text/html", 404);
  server.Serve("", "/empty", "");
  server.Route("", "/moved", [&](const httplib::Request&, httplib::Response& response) {
    response.set_redirect(server.Address("/feed"));
  });
  server.Route("", "/to-file", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("file:///etc/hostname");
  });
  EXPECT_EQ(DownloadLines(server.Address("/feed")), "<rss>\r\n<item>x</item>\r\n</rss>\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/missing")), "gone\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/empty")), "");
  EXPECT_EQ(DownloadLines(server.Address("/moved")), "<rss>\r\n<item>x</item>\r\n</rss>\r\n");
  EXPECT_EQ(DownloadLines(server.Address("/to-file")), "");
}

TEST(DownloadLines, RefusesABodyBeyondTheBound) {
  LoopbackServer server;
  server.Serve("", "/big", std::string((32u << 20) + 1, 'x'));
  server.Serve("", "/limit", std::string(32u << 20, 'x'));
  EXPECT_EQ(DownloadLines(server.Address("/big")), "");
  EXPECT_EQ(DownloadLines(server.Address("/limit")).size(), (32u << 20) + 2);
}

// The pieces leave one by one: the first at once, each later one after gap. (A type the
// server does not compress, so each piece leaves when written.) Waits end once *done is set.
void ServePaced(LoopbackServer& server, const std::vector<std::string>& pieces,
                std::chrono::milliseconds gap, const std::atomic<bool>* done) {
  server.Route("", "/paced", [=](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider(
        "application/octet-stream", [=](size_t offset, httplib::DataSink& sink) {
          std::size_t next = 0, sent = 0;
          while (sent < offset) sent += pieces[next++].size();
          for (auto waited = 0ms; next > 0 && waited < gap && !*done; waited += 50ms)
            std::this_thread::sleep_for(50ms);
          if (next == pieces.size() || *done) {
            sink.done();
          } else {
            sink.write(pieces[next].data(), pieces[next].size());
          }
          return true;
        });
  });
}

// Only silence for the stall time, or the whole-transfer bound, ends a body that is still
// coming: a slow host that keeps sending is waited for.
TEST(DownloadLines, GivesUpOnSilenceOrOnTheWholeTransferBoundButWaitsForASlowBody) {
  const struct {
    const char* what;
    std::vector<std::string> pieces;
    std::chrono::milliseconds gap, stall, transfer;
    Text expected;
  } cases[] = {
      {"a body that stalls after its first bytes",
       {"<rss>\n", "</rss>\n"},
       5000ms,
       1000ms,
       60000ms,
       ""},
      {"a byte every 1.5 s: far below a byte a second, yet never silent for 2 s",
       {"a", "b", "c", "d"},
       1500ms,
       2000ms,
       60000ms,
       "abcd\r\n"},
      // Unbounded, the whole body would come in after 12 s.
      {"a byte every 300 ms never trips the stall rule", std::vector<std::string>(40, "x"), 300ms,
       1000ms, 2000ms, ""},
  };
  for (const auto& c : cases) {
    std::atomic<bool> done{false};
    LoopbackServer server;
    ServePaced(server, c.pieces, c.gap, &done);
    DownloadLimits limits;
    limits.stallTimeout = c.stall;
    limits.transferTimeout = c.transfer;
    EXPECT_EQ(DownloadLines(server.Address("/paced"), limits), c.expected) << c.what;
    done = true;
  }
}

TEST(DownloadLines, FailsOnDeadAddresses) {
  std::string refused;
  {
    LoopbackServer gone;  // a port that just closed
    refused = gone.Address("/");
  }
  for (const std::string& address :
       {refused, std::string(), std::string("not an address"), std::string("http://name.invalid/")})
    EXPECT_EQ(DownloadLines(address), "") << address;
}

// A listener whose backlog is full drops further connection attempts, so connecting hangs
// until the connect time-out. This test takes about ten seconds.
TEST(DownloadLines, GivesUpWhenTheConnectionIsNeverAccepted) {
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
    fillers.push_back(socket(AF_INET, SOCK_STREAM, 0));
    fcntl(fillers.back(), F_SETFL, O_NONBLOCK);
    connect(fillers.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
  }
  std::this_thread::sleep_for(200ms);  // let the handshakes settle
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(DownloadLines("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/"), "");
  // Only a sanity bound, so that a missing time-out shows as a failure rather than a hang.
  EXPECT_LT(std::chrono::steady_clock::now() - started, 25s);
  for (const int filler : fillers) close(filler);
  close(listener);
}

}  // namespace
}  // namespace orvanta
