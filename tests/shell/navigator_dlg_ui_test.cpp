// The main window on a real display: start-up files, the home page, caption and media rule.
#include "shell/navigator_dlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "gui/message_box_ui.h"
#include "net/service_hosts.h"
#include "pages/loading_page.h"
#include "pages/media_kinds.h"
#include "pages/start_page.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::ReadWhole;
using testing::ShowsFile;
using testing::WaitFor;

bool Exists(std::string_view name) {
  struct stat status;
  return ::stat(std::string(name).c_str(), &status) == 0;
}

const std::string_view kVideoList = MediaKindRowOf(MediaKind::kVideo).listFile;
const std::string_view kMusicList = MediaKindRowOf(MediaKind::kMusic).listFile;

// What the page's hidden list frame holds, as the page's own script sees it.
wxString ListFrameLinks(CBrowserPageDlg& page) {
  wxString links;
  page.Browser().GetWebView()->RunScript(
      "var d = document.getElementById('orvt').contentWindow.document;"
      "var hrefs = []; for (var i = 0; i < d.links.length; ++i) hrefs.push(d.links[i].href);"
      "hrefs.join(' ');",
      &links);
  return links;
}

TEST(CNavigatorDlg, FirstStartWritesLoadingAndStartPageAndShowsTheStartPage) {
  testing::ScratchFolder folder;
  auto* window = new CNavigatorDlg();
  window->Show();
  EXPECT_EQ(ReadWhole("sc/jz"), BuildLoadingPage(1));
  EXPECT_EQ(ReadWhole("sc/jz1"), BuildStartPage(1));
  EXPECT_TRUE(Exists("temp"));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(window->HomePage(), "/sc/jz1"); }));
  // The engine's first load is the start page itself, with no blank page before it.
  EXPECT_EQ(window->HomePage().Browser().LoadCount(), 1);
  // The highlighted faces come once the first frame is out.
  EXPECT_TRUE(WaitFor(
      [&] { return window->PageButton(CNavigatorDlg::kMusicId)->GetBitmapFocus().IsOk(); }));
  // The program's own pages never show in the address box; the caption stays the program's.
  EXPECT_EQ(window->AddressBox()->GetValue(), "");
  EXPECT_EQ(window->GetTitle(), "Orvanta V1.0");
  EXPECT_EQ(window->HomePage().TreeShown(), 1);
  EXPECT_EQ(window->StatusLine()->GetValue(), "  Orvanta");
  EXPECT_LT(window->EngineIndex(), 9);
  // Root, seven default keywords, help item.
  EXPECT_EQ(window->HomePage().Tree()->GetCount(), 9u);
  testing::SaveScreenshot(*window, ORVANTA_SCREENSHOT);
  window->Destroy();
}

TEST(CNavigatorDlg, SecondStartKeepsTheLoadingPageButRewritesTheStartPage) {
  testing::ScratchFolder folder;
  std::ofstream("sc/jz") << "kept";
  std::ofstream("sc/jz1") << "stale";
  auto* window = new CNavigatorDlg();
  EXPECT_EQ(ReadWhole("sc/jz"), "kept");
  EXPECT_EQ(ReadWhole("sc/jz1"), BuildStartPage(1));
  window->Destroy();
}

TEST(CNavigatorDlg, MediaButtonsDropOldListsAndEachStartsAListJob) {
  testing::ScratchFolder folder;
  // For every box: its caption, and how many list files existed while it was up.
  std::vector<std::pair<wxString, int>> boxes;
  MessageBoxPresenter presenter;
  presenter.show = [&boxes](const wxString&, const wxString& caption) {
    boxes.emplace_back(caption, Exists(kVideoList) + Exists(kMusicList));
  };
  SetMessageBoxPresenter(presenter);
  auto* window = new CNavigatorDlg();
  window->Show();
  CBrowserPageDlg& home = window->HomePage();
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz1"); }));
  std::ofstream(std::string(kVideoList)) << "old list";

  window->OnVideoButton();
  EXPECT_FALSE(Exists(kVideoList));
  EXPECT_EQ(home.TreeShown(), 0);
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz2"); }));
  window->OnMusicButton();
  // Both jobs find every media site dead and say so once each, each before it writes its
  // failure page.
  ASSERT_TRUE(WaitFor([&] { return boxes.size() == 2; }, 60000));
  EXPECT_EQ(boxes[1].first, "Orvanta ");
  EXPECT_EQ(boxes[0].second, 0);
  EXPECT_LE(boxes[1].second, 1);
  ASSERT_TRUE(WaitFor([&] { return Exists(kVideoList) && Exists(kMusicList); }));
  testing::FailOnMessageBoxes();
  window->Destroy();
}

TEST(CNavigatorDlg, VideoListFromTheMediaSitesArrivesInThePagesListFrame) {
  testing::ScratchFolder folder;
  testing::LoopbackServer server;
  server.ServeFixture(std::string(hosts::kYouku), "/", "media/youku_home_utf8.html");
  server.ServeFixture(std::string(hosts::kIqiyi), "/", "media/iqiyi_home_utf8.html");
  server.ServeFixture(std::string(hosts::kTudou), "/", "media/tudou_home_gbk.html");
  // The list job downloads with the program's own client, which reads the proxy per request.
  testing::ProxyEnvironment proxy(server.Address(""));
  auto* window = new CNavigatorDlg();
  window->Show();
  CBrowserPageDlg& home = window->HomePage();
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz1"); }));

  window->OnVideoButton();
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz2"); }));
  // The page polls once a second until the list file exists and loads it into its frame.
  ASSERT_TRUE(
      WaitFor([&] { return ListFrameLinks(home).StartsWith("http://tv.youku.com/"); }, 30000));
  EXPECT_EQ(ListFrameLinks(home),
            "http://tv.youku.com/ http://movie.youku.com/ http://v.youku.com/v_show/id_1.html "
            "http://www.iqiyi.com/dongman/ http://www.iqiyi.com/v_2.html "
            "http://www.tudou.com/sports/ http://www.tudou.com/auto/");
  EXPECT_EQ(server.Hits(std::string(hosts::kYouku), "/"), 1);
  window->Destroy();
}

TEST(CNavigatorDlg, CloseQuestionAnsweredNoKeepsTheWindow) {
  testing::ScratchFolder folder;
  testing::MessageRecorder recorder(false);
  auto* window = new CNavigatorDlg();
  window->Show();
  EXPECT_FALSE(window->Close());
  EXPECT_EQ(recorder.asked(), 1);
  EXPECT_TRUE(window->IsShown());
  window->Destroy();
}

}  // namespace
}  // namespace orvanta
