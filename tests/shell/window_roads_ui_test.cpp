// Roads through the shell's own windows, walked with the real pointer and keyboard: boxes,
// the status line, the address and engine boxes, the keys of a browser.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "browser/browser_page_dlg.h"
#include "files/status_mirror.h"
#include "gui/message_box_ui.h"
#include "net/service_hosts.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"
#include "favorites/temp_folder.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::ShowsFile;
using testing::U;
using testing::WaitFor;

std::string LinkNamed(const char* text) {
  return "Array.from(document.links).find(function(a){return a.textContent=='" +
         std::string(text) + "';})";
}

std::string OneItemFeed() {
  return "<rss><channel><item><title>t</title><link>http://127.0.0.1:9/1</link>"
         "<pubDate>Tue, 14 Aug 2012 10:00:00 +0800</pubDate><description>d</description>"
         "</item></channel></rss>";
}

// The application's box of a job, as the user sees it on the screen.
wxDialog* ShownJobBox() {
  for (wxWindow* window : wxTopLevelWindows)
    if (auto* box = dynamic_cast<wxDialog*>(window))
      if (box->IsShown() && box->GetTitle() == "Orvanta ") return box;
  return nullptr;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class WindowRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = new CNavigatorDlg();
    window_->Show();
    ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }));
  }
  void TearDown() override {
    for (wxWindow* window : wxTopLevelWindows)
      if (window != window_) window->Destroy();
    window_->Destroy();
    WaitFor([] { return false; }, 100);
  }
  CBrowserPageDlg& page() { return window_->HomePage(); }

  testing::ScratchFolder folder_;
  testing::LoopbackServer server_;
  testing::ProxyEnvironment proxy_{server_.Address("")};
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(WindowRoad, AJobsErrorBoxDoesNotFreezeTheMainWindow) {
  // The real box, not a recorded one: this road is about what it holds.
  SetMessageBoxPresenter({});
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=4&class=sportnews&tn=rss", "");
  testing::ClickPageElement(page(), LinkNamed("体育"));
  ASSERT_TRUE(WaitFor([] { return ShownJobBox() != nullptr; }, 30000));
  wxDialog* box = ShownJobBox();
  // While it is up, the video button works.
  testing::ClickWindow(window_->PageButton(CNavigatorDlg::kVideoId));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz2"); }, 10000));
  EXPECT_EQ(ShownJobBox(), box);
  testing::ClickWindow(box->FindWindow(wxID_OK));
  ASSERT_TRUE(WaitFor([] { return ShownJobBox() == nullptr; }, 5000));
  // The finished job leaves the page the user went to alone.
  WaitFor([] { return false; }, 500);
  EXPECT_TRUE(ShowsFile(page(), "/sc/jz2"));
  testing::FailOnMessageBoxes();
}

TEST_F(WindowRoad, TheStatusLineNamesTheFeedAJobWaitsFor) {
  testing::TempFolder mirror;
  testing::ScopedEnvironment status(kStatusFileVariable, mirror.Path() + "/status");
  testing::MessageRecorder recorder;
  // Topic 9 reads six feeds; the Sohu one is slow.
  const std::string slowHost(hosts::kSohuNews);
  server_.Route(slowHost, "/rss/sports.xml", [](const httplib::Request&, httplib::Response& response) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    response.set_content(OneItemFeed(), "text/xml");
  });
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=4&class=sportnews&tn=rss", OneItemFeed());
  testing::ClickPageElement(page(), LinkNamed("体育"));
  const wxString waiting = U("正在读取 ") + "5/6 " + slowHost + U(" …");
  ASSERT_TRUE(WaitFor([&] { return window_->StatusLine()->GetValue() == waiting; }, 20000))
      << window_->StatusLine()->GetValue();
  EXPECT_EQ(ReadWhole(mirror.Path() + "/status"), waiting.utf8_string());
  // When the job ends the line says again what it said before.
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/temp/~astq22265291"); }, 20000));
  EXPECT_TRUE(WaitFor([&] { return !window_->StatusLine()->GetValue().StartsWith(U("正在读取")); }));
  EXPECT_EQ(ReadWhole(mirror.Path() + "/status"), window_->StatusLine()->GetValue().utf8_string());
}

}  // namespace
}  // namespace orvanta
