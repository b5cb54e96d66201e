// The browser control made straight on its first page, with the real engine.
#include "browser/web_browser2_ui.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <fstream>

#include "browser/browser_address.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::WaitFor;

class StatusRecorder : public CWebBrowser2Events {
 public:
  Text last;
  void OnStatusTextChange(const Text& text, bool) override { last = text; }
  void OnNewWindow2(CNewWindowRequest&) override {}
  void OnNavigateComplete2(const Text&) override {}
  void OnCommandStateChange(int, bool) override {}
  void OnTitleChange(const Text&) override {}
};

// The page begins with a link, so only the control's own handling shows it as HTML, and only
// its own script reports the link under the pointer: both must already hold for the first
// load, which the engine starts while the control is being made.
TEST(CWebBrowser2, FirstAddressIsTheFirstLoadAndGetsTheControlsOwnHandling) {
  testing::ScratchFolder folder;
  std::ofstream("temp/~first", std::ios::binary)
      << Gbk("<a style='display:block;width:400px;height:200px' href='http://dh/#9#dh'>体育</a>"
             "<html><head><meta http-equiv='Content-Type' content='text/html; charset=gb2312'>"
             "<title>首页</title></head></html>");
  auto* frame = new wxFrame(nullptr, wxID_ANY, "first", wxPoint(0, 0), wxSize(500, 400));
  StatusRecorder events;
  const Text address = LocalFullName("temp/~first");
  {
    CWebBrowser2 browser(frame, wxID_ANY, &events, address);
    browser.GetWindow()->SetSize(0, 0, 500, 400);
    frame->Show();
    ASSERT_TRUE(WaitFor([&] { return browser.LoadCount() > 0; }));
    EXPECT_EQ(browser.LoadedURL(), AddressToUrl(address));
    EXPECT_EQ(browser.LoadCount(), 1);  // no blank page before it
    EXPECT_TRUE(WaitFor([&] { return browser.LocationName() == Gbk("首页"); }));
    const wxPoint pointer = wxGetMousePosition();
    testing::MovePointer(browser.GetWindow(), 100, 50);
    EXPECT_TRUE(WaitFor([&] { return events.last == "http://dh/#9#dh"; }, 10000));
    // Where later windows have their buttons, a pointer left behind would highlight one.
    wxUIActionSimulator().MouseMove(pointer);
  }
  frame->Destroy();
}

}  // namespace
}  // namespace orvanta
