// Roads through the generated pages of the real main window, walked with the real pointer and
// keyboard: what a person clicks and types must do what the page promises, the first time.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "browser/crash_reload_policy.h"
#include "jobs/news_jobs.h"
#include "net/service_hosts.h"
#include "search/resolve_search_link.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "support/file_size_limit.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::LinkNamed;
using testing::SecondaryWindows;

using testing::PageScript;
using testing::ShowsFile;
using testing::U;
using testing::WaitFor;

const std::string kSearchBox = "document.getElementById('Text1')";
const std::string kSearchLink = "document.getElementById('sa')";

// A GBK feed of count items whose titles carry their number.
std::string FeedOf(int count) {
  std::string feed = "<?xml version='1.0' encoding='gb2312'?><rss><channel>";
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    feed += "<item><title>" + Gbk("新闻") + n + "</title><link>http://127.0.0.1:9/" + n +
            "</link><pubDate>Tue, 14 Aug 2012 10:00:00 +0800</pubDate><description>d" + n +
            "</description></item>";
  }
  return feed + "</channel></rss>";
}

class PageRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = testing::OpenMainWindow();
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    for (auto* secondary : SecondaryWindows()) secondary->Destroy();
    if (window_) window_->Destroy();
    testing::WaitForDestroyedWindows();
  }
  CBrowserPageDlg& page() { return window_->HomePage(); }

  // Whether the keyword job for keyword asked its first feed.
  bool KeywordJobAsked(const Text& keyword) {
    const Text address = KeywordNewsSources(keyword)[0];
    const std::size_t slash = address.find('/', 7);
    return server_.Hits(address.substr(7, slash - 7), address.substr(slash)) > 0;
  }
  void ServeKeywordFeed(const Text& keyword, int items) {
    const Text address = KeywordNewsSources(keyword)[0];
    const std::size_t slash = address.find('/', 7);
    server_.Serve(address.substr(7, slash - 7), address.substr(slash), FeedOf(items));
  }
  bool ShowsPage(int number, int job = kTopicNewsJob) {
    return ShowsFile(page(), "/temp/~astq" + std::to_string(job) + "6529" + std::to_string(number));
  }
  bool TitleIs(const char* title) { return PageScript(page(), "document.title") == U(title); }

  testing::ScratchFolder folder_;
  testing::MessageRecorder recorder_;
  testing::LoopbackServer server_;
  testing::ProxyEnvironment proxy_{server_.Address("")};
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(PageRoad, SearchFormSearchesWhatWasTypedOnTheFirstClick) {
  testing::ClickPageElement(page(), kSearchBox);
  testing::TypeText("abc");
  testing::ClickPageElement(page(), kSearchLink);
  EXPECT_TRUE(WaitFor([&] { return KeywordJobAsked("abc"); }, 10000));
}

TEST_F(PageRoad, SearchFormOnANewsPageSearchesTheReplacedKeyword) {
  ServeKeywordFeed("abc", 3);
  testing::ClickPageElement(page(), kSearchBox);
  testing::TypeText("abc");
  testing::ClickPageElement(page(), kSearchLink);
  ASSERT_TRUE(WaitFor([&] { return ShowsPage(1, kKeywordNewsJob); }, 20000));
  ASSERT_EQ(PageScript(page(), kSearchBox + ".value"), "abc");
  testing::SaveScreenshot(*window_, ORVANTA_SEARCH_SCREENSHOT);
  testing::ClickPageElement(page(), kSearchBox);
  testing::PressKey('a', wxMOD_CONTROL);
  testing::TypeText("xyz");
  testing::ClickPageElement(page(), kSearchLink);
  EXPECT_TRUE(WaitFor([&] { return KeywordJobAsked("xyz"); }, 10000));
}

TEST_F(PageRoad, SearchFormUsesTheEngineChosenInItsBox) {
  testing::ClickPageElement(page(), kSearchBox);
  testing::TypeText("abc");
  // Tab to the engine box, one step down: the Baidu news engine.
  testing::PressKey(WXK_TAB);
  testing::PressKey(WXK_DOWN);
  ASSERT_TRUE(WaitFor(
      [&] { return PageScript(page(), "document.getElementById('se').value") == "2"; }, 3000));
  testing::ClickPageElement(page(), kSearchLink);
  ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }, 10000));
  const Text query = ResolveSearchLink("2", "abc").value;
  EXPECT_TRUE(
      WaitFor([&] { return SecondaryWindows()[0]->Page().Browser().LocationURL() == query; }));
  EXPECT_FALSE(KeywordJobAsked("abc"));
}

TEST_F(PageRoad, EnterInThePageKeywordBoxStaysInThePage) {
  window_->KeywordBox()->ChangeValue(U("天气"));
  // The pointer rested last on one of the window's own boxes, then went into the page.
  for (wxWindow* rested : {static_cast<wxWindow*>(window_->KeywordBox()),
                           static_cast<wxWindow*>(window_->AddressBox())}) {
    SCOPED_TRACE(rested == window_->KeywordBox() ? "keyword box" : "address box");
    testing::MovePointer(rested, 20, 10);
    testing::ClickPageElement(page(), kSearchBox);
    testing::PressKey('a', wxMOD_CONTROL);
    testing::TypeText("xyz");
    testing::PressKey(WXK_RETURN);
    // The page's own script moves the focus to its search link; the window does nothing.
    ASSERT_TRUE(
        WaitFor([&] { return PageScript(page(), "document.activeElement.id") == "sa"; }, 5000));
    WaitFor([] { return false; }, 300);
    EXPECT_TRUE(ShowsFile(page(), "/sc/jz1"));
    EXPECT_EQ(window_->KeywordBox()->GetValue(), U("天气"));
    EXPECT_EQ(window_->AddressBox()->GetValue(), "");
    EXPECT_FALSE(KeywordJobAsked("xyz"));
  }
  // A further Enter activates the link with the keyword in the box.
  testing::PressKey(WXK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return KeywordJobAsked("xyz"); }, 10000));
  EXPECT_EQ(window_->KeywordBox()->GetValue(), U("天气"));
}

TEST_F(PageRoad, BackAndForwardStepThroughTheNewsPages) {
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=1&class=civilnews&tn=rss&sub=0",
                FeedOf(25));
  testing::ClickWindow(window_->PageButton(CNavigatorDlg::kNewsId));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }));
  testing::ClickPageElement(page(), LinkNamed("焦点"));
  ASSERT_TRUE(WaitFor([&] { return ShowsPage(1); }, 20000));
  for (int next = 2; next <= 3; ++next) {
    testing::ClickPageElement(page(), LinkNamed("下一页"));
    ASSERT_TRUE(WaitFor([&] { return ShowsPage(next); })) << next;
  }
  wxWindow* back = page().ToolbarButton(CBrowserPageDlg::kBackId);
  wxWindow* forward = page().ToolbarButton(CBrowserPageDlg::kForwardId);
  EXPECT_FALSE(forward->IsEnabled());
  testing::ClickWindow(back);
  ASSERT_TRUE(WaitFor([&] { return ShowsPage(2); }));
  EXPECT_TRUE(WaitFor([&] { return forward->IsEnabled(); }, 3000));
  testing::ClickWindow(back);
  ASSERT_TRUE(WaitFor([&] { return ShowsPage(1); }));
  testing::ClickWindow(forward);
  ASSERT_TRUE(WaitFor([&] { return ShowsPage(2); }));
  // Still the program's GBK HTML, news items and all.
  EXPECT_EQ(PageScript(page(), "document.contentType"), "text/html");
  EXPECT_EQ(PageScript(page(), "document.characterSet"), "GBK");
  EXPECT_NE(PageScript(page(), "document.body.innerText").Find(U("新闻11")), wxNOT_FOUND);
  testing::SaveScreenshot(*window_, ORVANTA_HISTORY_SCREENSHOT);
  // The loading page gave its place to page 1: behind page 1 lies the start page.
  testing::ClickWindow(back);
  testing::ClickWindow(back);
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }));
}

TEST_F(PageRoad, AFailedJobReturnsToThePageTheUserCameFrom) {
  // An earlier topic left its first page; now the feed host answers nothing.
  std::ofstream("temp/~astq22265291") << Gbk("<html><body>old sports</body></html>");
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=1&class=civilnews&tn=rss&sub=0", "");
  testing::ClickPageElement(page(), LinkNamed("焦点"));
  ASSERT_TRUE(WaitFor([&] { return !recorder_.shown().empty(); }, 30000));
  EXPECT_EQ(recorder_.shown()[0].text, U("打开目标地址出错，请检查网络连接状况"));
  EXPECT_EQ(recorder_.shown()[0].caption, "Orvanta ");
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }, 10000));
  WaitFor([] { return false; }, 500);
  EXPECT_TRUE(ShowsFile(page(), "/sc/jz1"));
  EXPECT_EQ(PageScript(page(), "document.body.innerText").Find("old sports"), wxNOT_FOUND);
}

TEST_F(PageRoad, ANewsPageOnAFullDiskSaysSoAndReturnsToThePageTheUserCameFrom) {
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=1&class=civilnews&tn=rss&sub=0",
                FeedOf(20));
  {
    testing::FileSizeLimit full(16);
    testing::ClickPageElement(page(), LinkNamed("焦点"));
    ASSERT_TRUE(WaitFor([&] { return !recorder_.shown().empty(); }, 30000));
  }
  EXPECT_EQ(recorder_.shown()[0].text,
            wxString::FromUTF8(("无法写入文件 " + LocalFullName("temp/~astq22265291")).c_str()));
  EXPECT_EQ(recorder_.shown()[0].caption, "Orvanta ");
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }, 10000));
  EXPECT_FALSE(std::filesystem::exists("temp/~astq22265291"));
}

TEST_F(PageRoad, TypedAddressesWithChineseCharactersOpen) {
  // A local file by its real name, typed as a path and as a file address.
  // The file system names files in UTF-8: the path is the file's real name.
  const std::string path = testing::WriteLocalPage("中文页.html", "本地中文页", "中文页");
  for (const std::string& typed : {path, "file://" + path}) {
    SCOPED_TRACE(typed);
    window_->AddressBox()->ChangeValue(wxString::FromUTF8(typed));
    testing::ClickWindow(window_->GoButton());
    ASSERT_TRUE(WaitFor([&] { return TitleIs("中文页"); }));
    // The box shows what the user reads, not escapes.
    EXPECT_EQ(window_->AddressBox()->GetValue().utf8_string(), "file://" + path);
    page().Browser().Navigate(LocalFullName("sc/jz1"));
    ASSERT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }));
  }
  // A remote address with a Chinese host, path and query reaches the engine as an IDN host
  // with a UTF-8 path and query.
  // The engine's hosts are dead here, so what it was asked for is what counts.
  std::vector<std::string> asked;
  page().Browser().GetWebView()->Bind(wxEVT_WEBVIEW_NAVIGATING, [&](wxWebViewEvent& event) {
    asked.push_back(event.GetURL().utf8_string());
    event.Skip();
  });
  window_->AddressBox()->ChangeValue(U("http://例子.测试/路径?q=中文"));
  testing::ClickWindow(window_->GoButton());
  const std::string meant =
      "http://xn--fsqu00a.xn--0zwm56d/%E8%B7%AF%E5%BE%84?q=%E4%B8%AD%E6%96%87";
  EXPECT_TRUE(WaitFor([&] { return std::find(asked.begin(), asked.end(), meant) != asked.end(); }));
}

// Kills every web process of this program the way a crash ends it; how many there were.
int KillWebProcesses() {
  int killed = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, name;
    char state = 0;
    long parent = 0;
    if (!(stat >> pid >> name >> state >> parent) || parent != ::getpid()) continue;
    if (name.find("WebKitWebProces") == std::string::npos) continue;
    if (::kill(std::stoi(pid), SIGKILL) == 0) ++killed;
  }
  return killed;
}

TEST_F(PageRoad, ThePageComesBackAfterItsWebProcessDies) {
  const auto started = std::chrono::steady_clock::now();
  for (int crash = 1; crash <= CCrashReloadPolicy::kReloadsPerMinute; ++crash) {
    const int loads = page().Browser().LoadCount();
    ASSERT_GT(KillWebProcesses(), 0);
    const auto killed = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadCount() > loads; }, 15000)) << crash;
    ASSERT_TRUE(WaitFor([&] { return !testing::PageElementRect(page(), kSearchBox).IsEmpty(); }))
        << crash;
    std::printf("page back %lld ms after its web process was killed\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - killed)
                                           .count()));
  }
  // A fourth crash within the minute: the program's own page, with a way to try again.
  ASSERT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(50));
  ASSERT_GT(KillWebProcesses(), 0);
  ASSERT_TRUE(WaitFor([&] { return TitleIs("网页显示已中断"); }, 15000));
  testing::ClickPageElement(page(), LinkNamed("重新载入此网页"));
  ASSERT_TRUE(WaitFor([&] { return !testing::PageElementRect(page(), kSearchBox).IsEmpty(); }));
}

TEST_F(PageRoad, ADeadAddressShowsTheNetworkErrorUnderTheTypedAddress) {
  // A file that is not there yet. (Every host of these tests answers through the loopback
  // proxy, so the refused connection of a dead host is walked by hand.)
  const std::string missing = std::filesystem::absolute("later.html").string();
  const std::string typed = "file://" + missing;
  testing::ClickPointer(window_->AddressBox(), 20, 10);
  window_->AddressBox()->ChangeValue("");
  testing::TypeText(typed.c_str());
  testing::PressKey(WXK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return TitleIs("打开目标地址出错，请检查网络连接状况"); }));
  EXPECT_TRUE(PageScript(page(), "document.body.innerHTML").Contains(U(typed.c_str())));
  EXPECT_EQ(window_->AddressBox()->GetValue().utf8_string(), typed);
  // 刷新 tries the address again.
  std::ofstream(missing) << "<title>later</title>here now";
  testing::ClickWindow(page().ToolbarButton(CBrowserPageDlg::kRefreshId));
  ASSERT_TRUE(WaitFor([&] { return TitleIs("later"); }));
  // The failed address was one step of history.
  testing::ClickWindow(page().ToolbarButton(CBrowserPageDlg::kBackId));
  EXPECT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }));
}

}  // namespace
}  // namespace orvanta
