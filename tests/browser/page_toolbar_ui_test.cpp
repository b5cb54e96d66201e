// The browser page's toolbar and status line as a person meets them: Back on a media page,
// Stop on a job's loading page, the status line after the page changes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "net/service_hosts.h"
#include "shell/navigator_dlg.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::LinkNamed;
using testing::PageScript;
using testing::ShowsFile;
using testing::WaitFor;

class PageToolbar : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = testing::OpenMainWindow();
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (window_) window_->Destroy();
    testing::WaitForDestroyedWindows();
  }
  CBrowserPageDlg& page() { return window_->HomePage(); }
  void Click(int id) { testing::ClickWindow(page().ToolbarButton(id)); }

  testing::ScratchFolder folder_;
  testing::MessageRecorder recorder_;
  testing::LoopbackServer server_;
  testing::ProxyEnvironment proxy_{server_.Address("")};
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(PageToolbar, OneBackFromAMediaPageReturnsToThePageBefore) {
  testing::ClickWindow(window_->PageButton(CNavigatorDlg::kVideoId));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz2"); }));
  // The list frame has been sent to its list at least once: a load of the page's own frame.
  ASSERT_TRUE(WaitFor(
      [&] {
        return PageScript(page(),
                          "String(document.getElementById('orvt').contentWindow.document"
                          ".getElementById('okl') != null)") == "true";
      },
      30000));
  WaitFor([] { return false; }, 1500);
  testing::SaveScreenshot(*window_, ORVANTA_MEDIA_BACK_SCREENSHOT);
  Click(CBrowserPageDlg::kBackId);
  EXPECT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }, 10000))
      << page().Browser().LoadedURL();
}

TEST_F(PageToolbar, StopOnALoadingPageKeepsTheJobsPagesAway) {
  // Topic 9 reads six feeds; one is slow enough to press Stop before it answers.
  std::atomic<bool> answered{false};
  server_.Route(std::string(hosts::kSohuNews), "/rss/sports.xml",
                [&](const httplib::Request&, httplib::Response& response) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
                  response.set_content(
                      "<rss><channel><item><title>t</title></item></channel></rss>", "text/xml");
                  answered = true;
                });
  testing::ClickPageElement(page(), LinkNamed("体育"));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz"); }, 10000));
  Click(CBrowserPageDlg::kStopId);
  ASSERT_TRUE(WaitFor([&] { return answered.load(); }, 20000));
  WaitFor([] { return false; }, 2000);
  EXPECT_TRUE(ShowsFile(page(), "/sc/jz")) << page().Browser().LoadedURL();
  // The bar has stopped moving.
  const std::string where = "document.getElementById('progress').style.left";
  const wxString first = PageScript(page(), where);
  WaitFor([] { return false; }, 300);
  EXPECT_EQ(PageScript(page(), where), first);
}

TEST_F(PageToolbar, TheStatusLineForgetsTheLinkOfThePageBefore) {
  const Text first = testing::WriteLocalPage("sc/first", "<p>first</p>");
  const Text second = testing::WriteLocalPage(
      "sc/second", "<a id='l' href='http://example.test/' style='display:block;height:60px'>x</a>");
  page().Browser().Navigate(first);
  ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadedURL() == AddressToUrl(first); }));
  page().Browser().Navigate(second);
  ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadedURL() == AddressToUrl(second); }));
  testing::PointAtPageElement(page(), "document.getElementById('l')");
  ASSERT_TRUE(
      WaitFor([&] { return window_->StatusLine()->GetValue() == " http://example.test/"; }));
  // Straight from the link to the toolbar, as a person's pointer goes.
  Click(CBrowserPageDlg::kBackId);
  ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadedURL() == AddressToUrl(first); }));
  EXPECT_TRUE(WaitFor([&] { return window_->StatusLine()->GetValue() == " "; }, 5000))
      << window_->StatusLine()->GetValue();
}

}  // namespace
}  // namespace orvanta
