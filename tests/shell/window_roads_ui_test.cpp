// Roads through the shell's own windows, walked with the real pointer and keyboard: boxes,
// the status line, the address and engine boxes, the keys of a browser.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <wx/taskbar.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
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

// A system tray of the desktop's kind on the test display, for the life of the object.
class TrayHost {
 public:
  TrayHost() {
    const char* argv[] = {"trayer", "--edge", "top", "--align", "right", "--widthtype",
                          "pixel", "--width", "60", "--heighttype", "pixel", "--height", "30",
                          "--SetDockType", "false", "--transparent", "false", nullptr};
    if (::posix_spawnp(&pid_, "trayer", nullptr, nullptr, const_cast<char**>(argv),
                       environ) != 0)
      pid_ = -1;
    if (pid_ > 0) WaitFor([] { return wxTaskBarIcon::IsAvailable(); }, 5000);
  }
  ~TrayHost() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  bool Running() const { return pid_ > 0 && wxTaskBarIcon::IsAvailable(); }

 private:
  pid_t pid_ = -1;
};

// The top-level windows of the display named name, topmost first, as the X server stacks them.
std::vector<std::string> StackedWindows() {
  std::vector<std::string> names;
  FILE* list = ::popen("xwininfo -root -children 2>/dev/null", "r");
  if (list == nullptr) return names;
  char line[1024];
  while (std::fgets(line, sizeof line, list)) {
    const std::string text = line;
    const std::size_t open = text.find(" \"");
    if (open == std::string::npos || text.find("0x") > open) continue;
    names.push_back(text.substr(open + 2, text.find('"', open + 2) - open - 2));
  }
  ::pclose(list);
  return names;
}

bool Above(const std::string& upper, const std::string& lower) {
  const std::vector<std::string> names = StackedWindows();
  const auto a = std::find(names.begin(), names.end(), upper);
  const auto b = std::find(names.begin(), names.end(), lower);
  return a != names.end() && b != names.end() && a < b;
}

// Where the program's icon sits in the tray, in screen coordinates.
wxPoint TrayIconCentre() {
  FILE* tree = ::popen("xwininfo -root -tree 2>/dev/null", "r");
  wxPoint centre(-1, -1);
  if (tree == nullptr) return centre;
  char line[1024];
  bool inPanel = false;
  while (std::fgets(line, sizeof line, tree)) {
    const std::string text = line;
    if (text.find("\"panel\"") != std::string::npos) { inPanel = true; continue; }
    int width = 0, height = 0, x = 0, y = 0;
    const std::size_t size = text.rfind("  ", text.rfind('+'));
    if (inPanel && std::sscanf(text.c_str() + text.find(')') + 1, " %dx%d", &width, &height) == 2 &&
        size != std::string::npos && std::sscanf(text.c_str() + size, " +%d+%d", &x, &y) == 2) {
      centre = wxPoint(x + width / 2, y + height / 2);
      break;
    }
  }
  ::pclose(tree);
  return centre;
}

TEST(TrayRoad, OnlyADoubleClickOnTheTrayIconRestoresTheWindow) {
  TrayHost tray;
  if (!tray.Running()) GTEST_SKIP() << "no tray host on this display";
  testing::ScratchFolder folder;
  testing::MessageRecorder recorder;
  auto* window = new CNavigatorDlg();
  window->Show();
  ASSERT_TRUE(window->HasTrayIcon());
  const wxPoint icon = TrayIconCentre();
  ASSERT_NE(icon.x, -1);
  // Another window over the main one, as when the user has gone on elsewhere.
  CBrowserWindowDlg* other = CBrowserWindowDlg::OpenShown();
  ASSERT_TRUE(WaitFor([] { return Above("Orvanta", "Orvanta V1.0"); }, 5000));
  wxUIActionSimulator pointer;
  pointer.MouseMove(icon);
  WaitFor([] { return false; }, 100);
  pointer.MouseClick();
  WaitFor([] { return false; }, 800);
  EXPECT_TRUE(Above("Orvanta", "Orvanta V1.0")) << "a single click brought the window back";
  // A right click opens the menu (closed here by Escape) and leaves the window where it is.
  wxTimer closer;
  closer.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_ESCAPE); });
  closer.StartOnce(600);
  pointer.MouseClick(wxMOUSE_BTN_RIGHT);
  WaitFor([] { return false; }, 1200);
  EXPECT_TRUE(Above("Orvanta", "Orvanta V1.0")) << "a right click brought the window back";
  pointer.MouseDblClick();
  EXPECT_TRUE(WaitFor([] { return Above("Orvanta V1.0", "Orvanta"); }, 5000));
  other->Destroy();
  window->Destroy();
}

}  // namespace
}  // namespace orvanta
