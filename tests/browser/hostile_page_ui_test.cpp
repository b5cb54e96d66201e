// What a hostile page can do to the program, in the real window with the real engine: remote
// pages are served from 127.0.0.1, and each case clicks the way a person does.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "net/service_hosts.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "subscriptions/subscription_file.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::MenuChooser;
using testing::ReadWhole;
using testing::SecondaryWindows;
using testing::U;
using testing::WaitFor;

// A page whose whole top is one block that a person clicks; script runs on that click.
std::string ClickBlockPage(const std::string& onClick, const std::string& more = "") {
  return "<html><body style='margin:0'><div id='block' style='width:600px;height:200px;"
         "background:#ddd' onclick=\"" +
         onClick + "\">click</div>" + more + "</body></html>";
}

// Links that a script clicks, out of the way of the pointer.
std::string HiddenLinks(const std::vector<std::string>& hrefs) {
  std::string links;
  for (std::size_t i = 0; i < hrefs.size(); ++i)
    links += "<a id='l" + std::to_string(i) + "' target='_blank' href='" + hrefs[i] +
             "' style='position:absolute;top:400px'>x</a>";
  return links;
}

std::string ClickAll(std::size_t count) {
  std::string script;
  for (std::size_t i = 0; i < count; ++i)
    script += "document.getElementById('l" + std::to_string(i) + "').click();";
  return script;
}

void CloseSecondaryWindows() {
  for (auto* window : SecondaryWindows()) window->Destroy();
  WaitFor([] { return SecondaryWindows().empty(); }, 5000);
}

class HostilePage : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = testing::OpenMainWindow();
    ASSERT_NE(window_, nullptr);
    page().ShowTreePanel(0);
    subscriptions_ = ReadWhole(std::string(kSubscriptionFileName));
  }
  void TearDown() override {
    CloseSecondaryWindows();
    if (window_) window_->Destroy();
    testing::WaitForDestroyedWindows();
  }
  CBrowserPageDlg& page() { return window_->HomePage(); }
  wxWindow* view() { return page().Browser().GetWindow(); }

  void ShowRemote(const std::string& body) {
    const std::string path = "/p" + std::to_string(++pages_);
    server_.Serve("", path, body, "text/html");
    page().Browser().NavigateTyped(Utf8Text(server_.Address(path)));
    ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadedURL() == server_.Address(path); }));
  }
  void ShowOwn(const std::string& body) {
    const Text name = testing::WriteLocalPage("sc/p" + std::to_string(++pages_), body);
    page().Browser().Navigate(name);
    ASSERT_TRUE(WaitFor([&] { return page().Browser().LoadedURL() == AddressToUrl(name); }));
  }
  void ClickBlock() { testing::ClickPageElement(page(), "document.getElementById('block')"); }
  // Gives whatever a click set going the time to show itself.
  static void Settle(int ms = 1500) {
    WaitFor([] { return false; }, ms);
  }
  bool SubscriptionsUnchanged() const {
    return ReadWhole(std::string(kSubscriptionFileName)) == subscriptions_;
  }

  testing::ScratchFolder folder_;
  testing::MessageRecorder recorder_;
  testing::LoopbackServer server_;
  CNavigatorDlg* window_ = nullptr;
  std::string subscriptions_;
  int pages_ = 0;
};

TEST_F(HostilePage, WindowOpenInAnyFormOpensOneWindowAndTheProgramLives) {
  server_.Serve("", "/target", "<html><title>target</title><body>target</body></html>",
                "text/html");
  const std::string target = server_.Address("/target");
  for (const std::string& call :
       {"window.open('" + target + "')", "window.open('" + target + "', '_blank')",
        "window.open('" + target + "', 'named', 'width=200,height=200')",
        "window.open('" + target + "'); window.open('" + target + "')",
        "document.open('" + target + "', 'x', '')",
        // A fresh frame's own window.open, and one taken from the page's prototype chain.
        "var f = document.createElement('iframe'); document.body.appendChild(f);"
        " f.contentWindow.open('" +
            target + "')",
        "Window.prototype.open ? Window.prototype.open.call(window, '" + target +
            "')"
            " : Object.getPrototypeOf(window).constructor.prototype.open; window.open('" +
            target + "')"}) {
    SCOPED_TRACE(call);
    ShowRemote(ClickBlockPage(call));
    ClickBlock();
    ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }, 10000));
    Settle();
    ASSERT_EQ(SecondaryWindows().size(), 1u);
    EXPECT_TRUE(
        WaitFor([&] { return SecondaryWindows()[0]->Page().Browser().LoadedURL() == target; }));
    CloseSecondaryWindows();
  }
  // A script that opens windows without a click gets none.
  ShowRemote("<html><body><script>setTimeout(function(){window.open('" + target +
             "')}, 100)</script></body></html>");
  Settle();
  EXPECT_TRUE(SecondaryWindows().empty());
}

TEST_F(HostilePage, ALinkTheFilterMadeInertLeavesThePageAsItWas) {
  ShowOwn(
      "<html><body><a id='block' href=\"about:blank\">"
      "<div style='width:300px;height:100px'>inert</div></a></body></html>");
  const std::string shown = page().Browser().CurrentUrl();
  ClickBlock();
  Settle();
  EXPECT_EQ(page().Browser().CurrentUrl(), shown);
  EXPECT_TRUE(SecondaryWindows().empty());
}

TEST_F(HostilePage, LinksAScriptClicksOnOneClickOpenOneWindow) {
  server_.Serve("", "/target", "<html><body>target</body></html>", "text/html");
  const std::string target = server_.Address("/target");
  ShowRemote(ClickBlockPage(ClickAll(3), HiddenLinks({target, target, target})));
  ClickBlock();
  ASSERT_TRUE(WaitFor([] { return !SecondaryWindows().empty(); }, 10000));
  Settle(2500);
  EXPECT_EQ(SecondaryWindows().size(), 1u);
}

TEST_F(HostilePage, RemotePseudoLinksChangeNoSubscriptionAndStartNoJob) {
  const std::vector<std::string> hrefs = {"http://dy/#X#1#", "http://dy/#社会#0#",
                                          "http://dh/#9#dh", "http://ss/#abc#1#",
                                          "http://evil.test/p?u=http://dy/#Y#1#"};
  std::string rows;
  for (std::size_t i = 0; i < hrefs.size(); ++i)
    rows += "<a id='r" + std::to_string(i) + "' target='_blank' href='" + hrefs[i] +
            "' style='display:block;height:30px'>row</a>";
  // The page also tries to speak for the link script, and to make up a hover of its own.
  ShowRemote("<html><head><meta charset='utf-8'></head><body>" + rows +
             "<script>try{window.webkit.messageHandlers.orvantaStatus.postMessage("
             "'1http://dy/#Z#1#')}catch(e){}"
             "document.getElementById('r0').dispatchEvent(new MouseEvent('mouseover',"
             "{bubbles:true}))</script></body></html>");
  Settle(500);
  EXPECT_NE(page().m_strHoverUrl, "http://dy/#Z#1#");
  for (std::size_t i = 0; i < hrefs.size(); ++i) {
    SCOPED_TRACE(hrefs[i]);
    testing::ClickPageElement(page(), "document.getElementById('r" + std::to_string(i) + "')");
    Settle();
  }
  EXPECT_TRUE(recorder_.shown().empty());
  EXPECT_TRUE(SubscriptionsUnchanged());
  EXPECT_EQ(page().Browser().LoadedURL(), server_.Address("/p1"));
  // Only the ordinary link, whatever it holds, opens a window.
  EXPECT_EQ(SecondaryWindows().size(), 1u);
}

TEST_F(HostilePage, AnOwnPageLinkThatClicksOthersSubscribesOnlyWhatThePersonClicked) {
  ShowOwn("<a id='block' target='_blank' href='http://dy/#甲#1#' onclick=\"" + ClickAll(2) +
          "\" style='display:block;width:300px;height:60px'>subscribe</a>" +
          HiddenLinks({"http://dy/#乙#1#", "http://dy/#丙#1#"}));
  testing::PointAtPageElement(page(), "document.getElementById('block')");
  ASSERT_TRUE(WaitFor([&] { return page().m_strHoverUrl == Gbk("http://dy/#甲#1#"); }));
  ClickBlock();
  ASSERT_TRUE(WaitFor([&] { return !recorder_.shown().empty(); }));
  Settle();
  ASSERT_EQ(recorder_.shown().size(), 1u);
  EXPECT_EQ(recorder_.shown()[0].text, U("成功订阅“甲”资讯。"));
  const std::string file = ReadWhole(std::string(kSubscriptionFileName));
  EXPECT_EQ(file.find(Gbk("乙")), std::string::npos);
  EXPECT_EQ(file.find(Gbk("丙")), std::string::npos);
}

TEST_F(HostilePage, AFrameOfAnOwnPageCannotUseTheOwnLinkHoveredBeforeIt) {
  server_.Serve("", "/target", "<html><body>target</body></html>", "text/html");
  const std::string target = server_.Address("/target");
  server_.Serve("", "/advert", ClickBlockPage("window.open('" + target + "')"), "text/html");
  ShowOwn(
      "<a id='dy' target='_blank' href='http://dy/#甲#1#' style='display:block;height:40px'>"
      "subscribe</a><iframe id='advert' src='" +
      server_.Address("/advert") + "' style='width:600px;height:220px;border:0'></iframe>");
  testing::PointAtPageElement(page(), "document.getElementById('dy')");
  ASSERT_TRUE(WaitFor([&] { return page().m_strHoverUrl == Gbk("http://dy/#甲#1#"); }));
  const wxRect frame = testing::PageElementRect(page(), "document.getElementById('advert')");
  testing::ClickPointer(view(), frame.x + 100, frame.y + 100);
  ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }, 10000));
  Settle();
  EXPECT_TRUE(recorder_.shown().empty());
  EXPECT_TRUE(SubscriptionsUnchanged());
}

TEST_F(HostilePage, TopicLinksAScriptClicksStartOneJobThatEnds) {
  testing::ProxyEnvironment proxy(server_.Address(""));
  ShowOwn("<a id='block' target='_blank' href='http://dh/#9#dh' onclick=\"" + ClickAll(2) +
          "\" style='display:block;width:300px;height:60px'>topic</a>" +
          HiddenLinks({"http://dh/#2#dh", "http://dh/#3#dh"}));
  testing::PointAtPageElement(page(), "document.getElementById('block')");
  ASSERT_TRUE(WaitFor([&] { return page().m_strHoverUrl == "http://dh/#9#dh"; }));
  const std::string before = page().Browser().LoadedURL();
  ClickBlock();
  ASSERT_TRUE(WaitFor([&] { return testing::ShowsFile(page(), "/sc/jz"); }, 10000));
  // The job ends: its pages, or the page it came from, take the loading page's place.
  ASSERT_TRUE(WaitFor(
      [&] {
        return testing::ShowsFile(page(), "/temp/~astq22265291") ||
               page().Browser().LoadedURL() == before;
      },
      30000));
  Settle(3000);
  // One job reads at most six feeds.
  EXPECT_LE(server_.AllHits(), 6);
  EXPECT_EQ(page().m_strSubject, "9");
}

TEST_F(HostilePage, TheRightClickMenuIsTheProgramsAndOpensALinkInOneWindow) {
  server_.Serve("", "/target", "<html><body>target</body></html>", "text/html");
  const std::string target = server_.Address("/target");
  ShowRemote(ClickBlockPage("", "<a id='link' target='_blank' href='" + target +
                                    "' style='position:absolute;top:250px'>link</a>"));
  const wxRect link = testing::PageElementRect(page(), "document.getElementById('link')");
  {
    MenuChooser chooser(1);  // 在新窗口中打开链接
    testing::MovePointer(view(), link.x + 2, link.y + link.height / 2);
    wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(WaitFor([&] { return chooser.chosen(); }, 10000));
  }
  ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }, 10000));
  EXPECT_TRUE(
      WaitFor([&] { return SecondaryWindows()[0]->Page().Browser().LoadedURL() == target; }));
  {
    MenuChooser chooser(2);  // 复制链接地址
    testing::MovePointer(view(), link.x + 2, link.y + link.height / 2);
    wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(WaitFor([&] { return chooser.chosen(); }, 10000));
  }
  Settle(500);
  wxTextDataObject copied;
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->GetData(copied);
  wxTheClipboard->Close();
  EXPECT_EQ(copied.GetText().utf8_string(), target);
  EXPECT_EQ(SecondaryWindows().size(), 1u);
}

TEST_F(HostilePage, TheMenusSaveLinkAsFetchesTheLinkedFileIntoTheChosenFile) {
  server_.Serve("", "/files/report.bin", "the linked file\n", "application/octet-stream");
  ShowRemote(ClickBlockPage("", "<a id='link' href='" + server_.Address("/files/report.bin") +
                                    "' style='position:absolute;top:250px'>file</a>"));
  const std::string chosen = folder_.path() + "/saved-report";
  const testing::FileDialogAnswer answer(folder_.path(), "saved-report");
  const wxRect link = testing::PageElementRect(page(), "document.getElementById('link')");
  MenuChooser chooser(3);  // 链接另存为...
  testing::MovePointer(view(), link.x + 2, link.y + link.height / 2);
  wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return chooser.chosen(); }, 10000));
  EXPECT_TRUE(WaitFor([&] { return ReadWhole(chosen) == "the linked file\n"; }, 10000));
  EXPECT_EQ(answer.proposed(), "report.bin");
  EXPECT_TRUE(SecondaryWindows().empty());
}

}  // namespace
}  // namespace orvanta
