// What the address box shows of an address: readable where the engine shows it readable,
// the ASCII form where a look-alike could pass for another name.
#include "browser/readable_address_ui.h"

#include <gtest/gtest.h>
#include <webkit2/webkit2.h>

#include <string>

#include "browser/browser_page_dlg.h"
#include "shell/navigator_dlg.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::WaitFor;

struct Shown {
  const char* url;
  const char* shown;
  const char* covers;
};

constexpr Shown kLookAlikes[] = {
    {"http://xn--pple-43d.com/", "http://xn--pple-43d.com/", "a Cyrillic a among Latin letters"},
    {"http://xn--a-ecp.com/", "http://xn--a-ecp.com/",
     "a digit-and-dot sign (the engine loads none)"},
    {"http://xn--paypl-7ve.com/", "http://xn--paypl-7ve.com/", "one Cyrillic letter inside a name"},
    {"http://xn--80ak6aa92e.com/", "http://xn--80ak6aa92e.com/",
     "all-Cyrillic look-alike of a Latin name"},
    {"http://user@xn--pple-43d.com:8080/a", "http://user@xn--pple-43d.com:8080/a",
     "with user and port"},
    {"http://www.xn--fiqs8s.cn/", "http://www.中国.cn/", "a Chinese name stays Chinese"},
    {"http://xn--fiqs8s/", "http://中国/", "a Chinese top-level name"},
    {"http://XN--FIQS8S/", "http://中国/", "the prefix in capitals"},
    {"http://xn--wgv71a119e.jp/", "http://日本語.jp/", "one script of Japan"},
    {"http://xn--e1afmkfd.xn--p1ai/", "http://пример.рф/",
     "Cyrillic under a Cyrillic top-level name"},
    {"http://xn--zz/", "http://xn--zz/", "not punycode at all"},
    {"http://a.com/x%E4%B8%AD?q=%2F%20", "http://a.com/x中?q=%2F%20",
     "UTF-8 escapes read, ASCII escapes kept"},
    {"file:///tmp/%E4%B8%AD%E6%96%87%E9%A1%B5.html", "file:///tmp/中文页.html",
     "a local file by its name"},
    {"http://[::1]:80/a", "http://[::1]:80/a", "an IPv6 address"},
};

TEST(ReadableAddress, ShowsHostsReadableOnlyWhereNoLookAlikeCanHide) {
  for (const Shown& row : kLookAlikes)
    EXPECT_EQ(ReadableAddress(row.url).Bytes(), row.shown) << row.covers;
}

// Sends every request of the engine's to the loopback server while the object lives, so that
// any host name reaches a page the test serves.
class EngineProxy {
 public:
  explicit EngineProxy(const std::string& proxy) {
    WebKitNetworkProxySettings* settings =
        webkit_network_proxy_settings_new(proxy.c_str(), nullptr);
    webkit_website_data_manager_set_network_proxy_settings(
        Manager(), WEBKIT_NETWORK_PROXY_MODE_CUSTOM, settings);
    webkit_network_proxy_settings_free(settings);
  }
  ~EngineProxy() {
    webkit_website_data_manager_set_network_proxy_settings(
        Manager(), WEBKIT_NETWORK_PROXY_MODE_DEFAULT, nullptr);
  }

 private:
  static WebKitWebsiteDataManager* Manager() {
    return webkit_web_context_get_website_data_manager(webkit_web_context_get_default());
  }
};

TEST(ReadableAddress, TheAddressBoxShowsALookAlikeSiteByItsAsciiName) {
  testing::ScratchFolder folder;
  testing::LoopbackServer server;
  CNavigatorDlg* window = testing::OpenMainWindow();
  ASSERT_NE(window, nullptr);
  const EngineProxy proxy(server.Address(""));
  const struct {
    const char* host;
    const char* shown;
  } sites[] = {
      {"xn--pple-43d.com", "http://xn--pple-43d.com/"},
      {"xn--paypl-7ve.com", "http://xn--paypl-7ve.com/"},
      {"www.xn--fiqs8s.cn", "http://www.中国.cn/"},
  };
  for (const auto& site : sites) {
    SCOPED_TRACE(site.host);
    server.Serve(site.host, "/",
                 "<html><head><title>" + std::string(site.host) +
                     "</title></head><body>sign in</body></html>",
                 "text/html");
    window->HomePage().Browser().Navigate("http://" + std::string(site.host) + "/");
    ASSERT_TRUE(WaitFor([&] { return window->HomePage().Browser().LocationName() == site.host; }));
    EXPECT_TRUE(
        WaitFor([&] { return window->AddressBox()->GetValue().utf8_string() == site.shown; }, 3000))
        << window->AddressBox()->GetValue().utf8_string();
  }
  window->Destroy();
}

}  // namespace
}  // namespace orvanta
