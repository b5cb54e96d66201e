// The browser page with the real engine: hovered addresses, the router's roads, toolbar
// states and captions.
#include "browser/browser_page_dlg.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/toplevel.h>

#include "browser/browser_address.h"
#include "gui/widget_text_ui.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::SecondaryWindows;

using testing::U;
using testing::WaitFor;

bool Loaded(CBrowserPageDlg& page, const Text& fullName) {
  return page.Browser().LoadedURL() == AddressToUrl(fullName);
}

// One link per row, each a block 30 pixels high at a known place in the view.
std::string LinkRows(const std::vector<std::string>& hrefs) {
  std::string body;
  for (std::size_t i = 0; i < hrefs.size(); ++i) {
    body += "<a target='_blank' style='position:absolute;left:0;top:" + std::to_string(i * 40) +
            "px;width:400px;height:30px;display:block' href='" + hrefs[i] + "'>row</a>";
  }
  return body;
}

void CloseSecondaryWindows() {
  for (auto* window : SecondaryWindows()) window->Destroy();
  WaitFor([] { return SecondaryWindows().empty(); }, 5000);
}

class RoutedPage : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = new CNavigatorDlg();
    window_->Show();
    ASSERT_TRUE(WaitFor([&] { return Loaded(page(), LocalFullName("sc/jz1")); }));
    page().ShowTreePanel(0);
  }
  void TearDown() override {
    CloseSecondaryWindows();
    window_->Destroy();
  }
  CBrowserPageDlg& page() { return window_->HomePage(); }
  wxWindow* view() { return page().Browser().GetWindow(); }

  void Show(const std::vector<std::string>& hrefs, const char* title = "t") {
    const Text name = testing::WriteLocalPage("sc/links", LinkRows(hrefs), title);
    page().Browser().Navigate(name);
    ASSERT_TRUE(WaitFor([&] { return Loaded(page(), name); }));
  }
  // Rests the pointer on row i until the page has reported its address.
  bool Hover(int row, const Text& expected) {
    testing::MovePointer(view(), 200, row * 40 + 15);
    return WaitFor([&] { return page().m_strHoverUrl == expected; }, 10000);
  }
  void Click(int row) { testing::ClickPointer(view(), 200, row * 40 + 15); }
  // Shows one link (a UTF-8 literal), rests the pointer on it until the page has its
  // address, and clicks it.
  bool Follow(const std::string& href) {
    Show({href});
    if (HasFatalFailure() || !Hover(0, Gbk(href))) return false;
    Click(0);
    return true;
  }
  bool MessageShown(int boundMs = 20000) {
    return WaitFor([&] { return !recorder_.shown().empty(); }, boundMs);
  }

  testing::ScratchFolder folder_;
  testing::MessageRecorder recorder_;
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(RoutedPage, HoveredSearchLinkArrivesWithItsGbkKeywordIntact) {
  Show({"http://ss/#社会 新闻#2#", "other.html"});
  ASSERT_TRUE(Hover(0, Gbk("http://ss/#社会 新闻#2#")));
  EXPECT_EQ(window_->StatusLine()->GetValue(), " Orvanta");
  // A link to a local file is shown but not remembered.
  testing::MovePointer(view(), 200, 55);
  ASSERT_TRUE(WaitFor([&] { return window_->StatusLine()->GetValue() != " Orvanta"; }));
  EXPECT_EQ(page().m_strHoverUrl, Gbk("http://ss/#社会 新闻#2#"));
}

TEST_F(RoutedPage, SubscribeLinkChangesTheFileRefillsTheTreeAndOpensNoWindow) {
  ASSERT_TRUE(Follow("http://dy/#测试词#1#"));
  ASSERT_TRUE(MessageShown());
  EXPECT_EQ(recorder_.shown()[0].text, U("成功订阅“测试词”资讯。"));
  EXPECT_EQ(recorder_.shown()[0].caption, "Orvanta");
  EXPECT_EQ(page().Tree()->GetCount(), 10u);
  EXPECT_TRUE(SecondaryWindows().empty());
}

TEST_F(RoutedPage, EmptyTopicDoesNothingAndSearchWithoutHomeAsksForAKeyword) {
  Show({"http://dh/##dh", "http://ss/##23#"});
  ASSERT_TRUE(Hover(0, "http://dh/##dh"));
  Click(0);
  ASSERT_TRUE(Hover(1, "http://ss/##23#"));
  Click(1);
  ASSERT_TRUE(MessageShown());
  EXPECT_EQ(recorder_.shown()[0].text, U("请输入搜索关键字"));
  EXPECT_EQ(recorder_.shown()[0].caption, "Orvanta");
  EXPECT_TRUE(SecondaryWindows().empty());
  EXPECT_TRUE(testing::ShowsFile(page(), "/sc/links")) << "no loading page";
}

TEST_F(RoutedPage, UnsubscribeLinkRemovesTheKeywordAndRefillsTheTree) {
  ASSERT_TRUE(Follow("http://dy/#社会#0#"));
  ASSERT_TRUE(MessageShown());
  EXPECT_EQ(recorder_.shown()[0].text, U("成功取消“社会”关键字的订阅。"));
  // Root, six keywords left, help item.
  EXPECT_EQ(page().Tree()->GetCount(), 8u);
  EXPECT_TRUE(SecondaryWindows().empty());
}

TEST_F(RoutedPage, WebSearchWithoutKeywordRestoresThePlaceholder) {
  window_->KeywordBox()->ChangeValue("");
  window_->OnSearch();
  EXPECT_EQ(window_->KeywordBox()->GetValue(), U("请输入搜索关键词"));
  EXPECT_EQ(window_->StatusLine()->GetValue(), U("  请输入搜索关键词"));
  EXPECT_TRUE(testing::ShowsFile(page(), "/sc/jz1")) << "no loading page";
}

TEST_F(RoutedPage, AWebAddressShowsInTheAddressBoxAndAGeneratedPageEmptiesIt) {
  orvanta::testing::LoopbackServer server;
  server.Serve("", "/page", "<html><body>web</body></html>", "text/html");
  const std::string address = server.Address("/page");
  page().Browser().Navigate(address);
  ASSERT_TRUE(WaitFor([&] { return ToLocalText(window_->AddressBox()->GetValue()) == address; }));
  page().Browser().Navigate(LocalFullName("sc/jz1"));
  ASSERT_TRUE(WaitFor([&] { return window_->AddressBox()->GetValue().empty(); }));
}

TEST_F(RoutedPage, OrdinaryLinkOpensASecondaryWindowWhoseCaptionFollowsTheTitle) {
  orvanta::testing::LoopbackServer server;
  server.Serve("", "/plain",
               Gbk("<html><head><meta http-equiv='Content-Type' content='text/html; "
                   "charset=gb2312'><title>远方页面</title></head><body>x</body></html>"),
               "text/html");
  const std::string address = server.Address("/plain");
  ASSERT_TRUE(Follow(address));
  ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }));
  CBrowserWindowDlg* secondary = SecondaryWindows()[0];
  EXPECT_EQ(secondary->Page().TreeShown(), 0);
  ASSERT_TRUE(WaitFor([&] { return secondary->GetTitle() == U("远方页面"); }));
  EXPECT_EQ(ToLocalText(secondary->AddressBox()->GetValue()), address);
  EXPECT_EQ(secondary->GetPosition(), wxPoint(100, 100));
  // The main window keeps its own caption whatever its page is called.
  EXPECT_EQ(window_->GetTitle(), "Orvanta V1.0");
}

TEST(CBrowserPageDlgToolbar, StartsDisabledAndFollowsTheHistory) {
  testing::ScratchFolder folder;
  auto* window = CBrowserWindowDlg::Open();
  window->Show();
  CBrowserPageDlg& page = window->Page();
  for (int id : {1001, 1003, 1005, 1018}) EXPECT_FALSE(page.ToolbarButton(id)->IsEnabled()) << id;
  EXPECT_EQ(page.ButtonBitmapId(1001), 214);

  const Text first = testing::WriteLocalPage("first", "<p>1</p>", "第一页");
  page.Browser().Navigate(first);
  ASSERT_TRUE(WaitFor([&] { return page.ToolbarButton(1005)->IsEnabled(); }));
  EXPECT_TRUE(page.ToolbarButton(1018)->IsEnabled());
  EXPECT_EQ(page.ButtonBitmapId(1005), 206);
  EXPECT_EQ(page.ButtonBitmapId(1018), 202);
  EXPECT_FALSE(page.ToolbarButton(1001)->IsEnabled());
  ASSERT_TRUE(WaitFor([&] { return window->GetTitle() == U("第一页"); }));

  const Text second = testing::WriteLocalPage("second", "<p>2</p>", "second");
  page.Browser().Navigate(second);
  ASSERT_TRUE(WaitFor([&] { return page.ToolbarButton(1001)->IsEnabled(); }));
  EXPECT_EQ(page.ButtonBitmapId(1001), 199);
  EXPECT_FALSE(page.ToolbarButton(1003)->IsEnabled());

  page.Browser().GoBack();
  ASSERT_TRUE(WaitFor([&] { return page.ToolbarButton(1003)->IsEnabled(); }));
  EXPECT_EQ(page.ButtonBitmapId(1003), 200);
  EXPECT_FALSE(page.ToolbarButton(1001)->IsEnabled());
  EXPECT_EQ(page.ButtonBitmapId(1001), 214);
  window->Destroy();
}

// The control is made before the tree and the toolbar, yet the keyboard reaches it after them.
TEST(CBrowserPageDlgTree, KeyboardOrderIsTreeSplitterToolbarThenTheControl) {
  testing::ScratchFolder folder;
  auto* window = CBrowserWindowDlg::Open();
  CBrowserPageDlg& page = window->Page();
  std::vector<wxWindow*> expected{page.Tree(), page.SplitterButton()};
  for (int id : {1001, 1003, 1004, 1005, 1006, 1007, 1008, 1018})
    expected.push_back(page.ToolbarButton(id));
  expected.push_back(page.Browser().GetWindow());
  const wxWindowList& children = page.GetChildren();
  EXPECT_EQ(std::vector<wxWindow*>(children.begin(), children.end()), expected);
  window->Destroy();
}

TEST(CBrowserPageDlgTree, SplitterTogglesTheTreeAndItsFace) {
  testing::ScratchFolder folder;
  auto* window = CBrowserWindowDlg::Open();
  CBrowserPageDlg& page = window->Page();
  page.ShowTreePanel(0);
  EXPECT_EQ(page.ButtonBitmapId(1012), 182);
  wxCommandEvent press(wxEVT_BUTTON, 1012);
  press.SetEventObject(page.SplitterButton());
  page.SplitterButton()->GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(page.TreeShown(), 1);
  EXPECT_EQ(page.ButtonBitmapId(1012), 183);
  EXPECT_EQ(page.ToolbarButton(1001)->GetPosition().x, 237);
  window->Destroy();
}

}  // namespace
}  // namespace orvanta
