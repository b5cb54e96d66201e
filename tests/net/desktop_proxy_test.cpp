#include "net/desktop_proxy.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/loopback_server.h"
#include "support/run_cli.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::RunCli;

struct ListCase {
  std::vector<std::string> proxies;
  std::string expected;
  const char* what;
};

TEST(CurlProxyFromList, TakesTheFirstAnswerCurlCanUse) {
  const ListCase cases[] = {
      {{}, "", "no answer is a direct connection"},
      {{"direct://"}, "", "direct"},
      {{"http://proxy.lan:3128", "direct://"}, "http://proxy.lan:3128", "the first of two"},
      {{"direct://", "http://proxy.lan:3128"}, "", "direct first wins"},
      {{"socks://proxy.lan:1080"}, "socks5://proxy.lan:1080", "plain socks tries version 5"},
      {{"socks4://proxy.lan:1080"}, "socks4://proxy.lan:1080", "a named socks version stays"},
      {{"ftp://proxy.lan:21", "https://proxy.lan:443"},
       "https://proxy.lan:443",
       "a kind curl cannot use is passed over"},
  };
  for (const ListCase& row : cases)
    EXPECT_EQ(CurlProxyFromList(row.proxies), row.expected) << row.what;
}

// Environment variables set (or, with no value, removed) for the life of the object.
class ScopedVariables {
 public:
  explicit ScopedVariables(const std::map<std::string, std::optional<std::string>>& values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old == nullptr ? std::nullopt : std::optional<std::string>(old);
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }
  ~ScopedVariables() {
    for (const auto& [name, value] : saved_)
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// A GNOME desktop of the child's own: its proxy settings in GSettings' keyfile backend under a
// private config folder (GNOME keeps them under /system/proxy/), where libproxy's GSettings
// helper reads them. No proxy variable is set.
class GnomeProxyDesktop {
 public:
  explicit GnomeProxyDesktop(const std::string& settings)
      : folder_(MakeFolder()),
        variables_({{"XDG_CONFIG_HOME", folder_},
                    {"GSETTINGS_BACKEND", "keyfile"},
                    {"DESKTOP_SESSION", "gnome"},
                    {"http_proxy", std::nullopt},
                    {"https_proxy", std::nullopt},
                    {"HTTPS_PROXY", std::nullopt},
                    {"all_proxy", std::nullopt},
                    {"ALL_PROXY", std::nullopt},
                    {"no_proxy", std::nullopt},
                    {"NO_PROXY", std::nullopt}}) {
    std::filesystem::create_directories(folder_ + "/glib-2.0/settings");
    std::ofstream(folder_ + "/glib-2.0/settings/keyfile") << settings;
  }
  ~GnomeProxyDesktop() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  static std::string ManualHttpProxy(int port) {
    return "[system/proxy]\nmode='manual'\n\n[system/proxy/http]\n"
           "host='127.0.0.1'\nport=" +
           std::to_string(port) + "\n";
  }
  static std::string AutomaticFrom(const std::string& pacAddress) {
    return "[system/proxy]\nmode='auto'\nautoconfig-url='" + pacAddress + "'\n";
  }

 private:
  static std::string MakeFolder() {
    char pattern[] = "/tmp/orvanta-desktop-XXXXXX";
    return ::mkdtemp(pattern) == nullptr ? std::string() : std::string(pattern);
  }

  std::string folder_;
  ScopedVariables variables_;
};

constexpr char kFeedHost[] = "news.desktop-proxy.test";
constexpr char kFeed[] = "<rss><channel><item><title>desktop</title></item></channel></rss>";

testing::CliResult FetchTheFeed() {
  return RunCli({"fetch", std::string("http://") + kFeedHost + "/rss.xml"});
}

TEST(DesktopProxy, AFeedGoesThroughTheProxyTheDesktopNames) {
  LoopbackServer proxy;
  proxy.Serve(kFeedHost, "/rss.xml", kFeed);
  const GnomeProxyDesktop desktop(GnomeProxyDesktop::ManualHttpProxy(proxy.port()));
  EXPECT_EQ(FetchTheFeed().out, std::string(kFeed) + "\r\n");
  EXPECT_EQ(proxy.Hits(kFeedHost, "/rss.xml"), 1);
}

TEST(DesktopProxy, AFeedGoesThroughTheProxyTheDesktopsPacAddressChooses) {
  LoopbackServer proxy;
  proxy.Serve(kFeedHost, "/rss.xml", kFeed);
  proxy.Serve("", "/proxy.pac",
              "function FindProxyForURL(url, host) { return 'PROXY 127.0.0.1:" +
                  std::to_string(proxy.port()) + "'; }\n",
              "application/x-ns-proxy-autoconfig");
  const GnomeProxyDesktop desktop(GnomeProxyDesktop::AutomaticFrom(proxy.Address("/proxy.pac")));
  EXPECT_EQ(FetchTheFeed().out, std::string(kFeed) + "\r\n");
  EXPECT_EQ(proxy.Hits(kFeedHost, "/rss.xml"), 1);
}

TEST(DesktopProxy, TheEnvironmentsProxyStillComesFirst) {
  LoopbackServer desktopProxy, environmentProxy;
  desktopProxy.Serve(kFeedHost, "/rss.xml", "wrong proxy");
  environmentProxy.Serve(kFeedHost, "/rss.xml", kFeed);
  const GnomeProxyDesktop desktop(GnomeProxyDesktop::ManualHttpProxy(desktopProxy.port()));
  const ScopedVariables environment({{"http_proxy", environmentProxy.Address("")}});
  EXPECT_EQ(FetchTheFeed().out, std::string(kFeed) + "\r\n");
  EXPECT_EQ(desktopProxy.Hits(kFeedHost, "/rss.xml"), 0);
}

}  // namespace
}  // namespace orvanta
