// Roads through the shell's own windows, walked with the real pointer and keyboard: boxes,
// the status line, the address and engine boxes, the keys of a browser.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <wx/taskbar.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "browser/browser_page_layout.h"
#include "controls/color_combo_box_ui.h"
#include "favorites/organize_favorites_dlg.h"
#include "favorites/temp_folder.h"
#include "files/status_mirror.h"
#include "gui/message_box_ui.h"
#include "net/service_hosts.h"
#include "pages/media_kinds.h"
#include "pages/page_files.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "shell/typed_url_history.h"
#include "support/loopback_server.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::LinkNamed;
using testing::ReadWhole;
using testing::ShowsFile;
using testing::U;
using testing::WaitFor;

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

class WindowRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = testing::OpenMainWindow();
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    for (wxWindow* window : wxTopLevelWindows)
      if (window != window_) window->Destroy();
    if (window_) window_->Destroy();
    testing::WaitForDestroyedWindows();
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
  server_.Route(slowHost, "/rss/sports.xml",
                [](const httplib::Request&, httplib::Response& response) {
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
  EXPECT_TRUE(
      WaitFor([&] { return !window_->StatusLine()->GetValue().StartsWith(U("正在读取")); }));
  EXPECT_EQ(ReadWhole(mirror.Path() + "/status"), window_->StatusLine()->GetValue().utf8_string());
}

// The colours of a rectangle of the screen, as the user sees them.
wxImage ScreenImage(const wxRect& area) {
  const std::string path = "/tmp/orvanta-ui-shot-" + std::to_string(::getpid()) + ".png";
  const std::string command = "import -window root -crop " + std::to_string(area.width) + "x" +
                              std::to_string(area.height) + "+" + std::to_string(area.x) + "+" +
                              std::to_string(area.y) + " '" + path + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return wxImage();
  wxImage image(wxString(path), wxBITMAP_TYPE_PNG);
  std::remove(path.c_str());
  return image;
}

// How much of an area shows the boxes' background, and whether their text colour is there.
struct BoxColours {
  double background = 0;
  bool text = false;
};

BoxColours ColoursOf(const wxImage& image) {
  BoxColours colours;
  if (!image.IsOk()) return colours;
  long back = 0;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x) {
      const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
      if (std::abs(r - 18) < 8 && std::abs(g - 32) < 8 && std::abs(b - 65) < 8) ++back;
      if (r > 200 && g > 140 && g < 220 && b < 90) colours.text = true;
    }
  colours.background = static_cast<double>(back) / (image.GetWidth() * image.GetHeight());
  return colours;
}

TEST_F(WindowRoad, TheColouredBoxesAreColouredWithEveryLabelWhole) {
  CBrowserWindowDlg* other = CBrowserWindowDlg::OpenShown();
  for (CBrowserHostDlg* host :
       {static_cast<CBrowserHostDlg*>(window_), static_cast<CBrowserHostDlg*>(other)}) {
    SCOPED_TRACE(host == window_ ? "main window" : "secondary window");
    host->Raise();
    host->AddressBox()->ChangeValue("http://example.test/");
    WaitFor([] { return false; }, 400);
    for (wxWindow* box :
         {static_cast<wxWindow*>(host->AddressBox()), static_cast<wxWindow*>(host->EngineBox())}) {
      const BoxColours colours = ColoursOf(ScreenImage(box->GetScreenRect()));
      EXPECT_GT(colours.background, 0.5);
      EXPECT_TRUE(colours.text);
    }
    // Every engine, chosen, shows its label whole in the closed box.
    auto* engines = static_cast<CColorComboBox*>(host->EngineBox());
    for (unsigned item = 0; item < engines->GetCount(); ++item) {
      wxClientDC dc(engines);
      dc.SetFont(engines->GetFont());
      EXPECT_LE(dc.GetTextExtent(engines->GetString(item)).x, engines->TextRoom())
          << engines->GetString(item);
    }
    // The list, opened from the box's arrow, too.
    const wxRect box = engines->GetScreenRect();
    testing::ClickPointer(engines, box.width - 8, box.height / 2);
    WaitFor([] { return false; }, 600);
    const BoxColours list =
        ColoursOf(ScreenImage(wxRect(box.x, box.y + box.height + 2, box.width, 60)));
    EXPECT_GT(list.background, 0.5);
    EXPECT_TRUE(list.text);
    testing::PressKey(WXK_ESCAPE);
    WaitFor([] { return false; }, 300);
    testing::SaveScreenshot(
        *host, host == window_ ? ORVANTA_COLOURS_SCREENSHOT : ORVANTA_SECONDARY_COLOURS_SCREENSHOT);
  }
  other->Destroy();
}

TEST(CompleterRoad, TypingOpensTheListWithoutTakingTheKeyboardAndEscapeClosesItFirst) {
  testing::ScratchFolder folder;
  testing::TempFolder config;
  testing::ScopedEnvironment home("XDG_CONFIG_HOME", config.Path());
  ASSERT_TRUE(RecordTypedUrl(TypedUrlHistoryPath(), "http://fb.example/"));
  ASSERT_TRUE(RecordTypedUrl(TypedUrlHistoryPath(), "http://fa.example/"));
  testing::MessageRecorder recorder;
  auto* window = new CNavigatorDlg();
  window->Show();
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(window->HomePage(), "/sc/jz1"); }));
  wxComboBox* box = window->AddressBox();
  testing::ClickWindow(box);
  testing::TypeText("h");
  // Both entries offered, the first filled in with its tail selected, the keyboard still here.
  ASSERT_TRUE(WaitFor([&] { return window->AddressCompleter().IsListShown(); }, 3000));
  EXPECT_EQ(window->AddressCompleter().List().List()->GetCount(), 2u);
  EXPECT_EQ(box->GetValue(), "http://fa.example/");
  testing::TypeText("ttp://fb");
  EXPECT_TRUE(WaitFor([&] { return box->GetValue() == "http://fb.example/"; }, 3000))
      << box->GetValue();
  EXPECT_TRUE(window->AddressCompleter().IsListShown());
  // Escape closes the list; only a second one asks the close question.
  testing::PressKey(WXK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !window->AddressCompleter().IsListShown(); }, 3000));
  EXPECT_EQ(recorder.asked(), 0);
  testing::PressKey(WXK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return recorder.asked() == 1; }, 3000));
  window->Destroy();
}

TEST_F(WindowRoad, BrowserKeysWorkInTheMainAndTheSecondaryWindow) {
  testing::MessageRecorder recorder;
  CBrowserWindowDlg* other = CBrowserWindowDlg::OpenShown();
  other->Page().Browser().Navigate(LocalFullName("sc/jz1"));
  for (CBrowserHostDlg* host :
       {static_cast<CBrowserHostDlg*>(window_), static_cast<CBrowserHostDlg*>(other)}) {
    SCOPED_TRACE(host == window_ ? "main window" : "secondary window");
    CBrowserPageDlg& shown = host->Page();
    host->Raise();
    ASSERT_TRUE(WaitFor([&] { return ShowsFile(shown, "/sc/jz1"); }));
    testing::ClickPageElement(shown, "document.getElementById('Text1')");
    // Ctrl+L, Alt+D and F6 all give the address box the keyboard, its text selected.
    for (auto [key, modifiers] :
         {std::pair{int('l'), int(wxMOD_CONTROL)}, std::pair{int('d'), int(wxMOD_ALT)},
          std::pair{int(WXK_F6), int(wxMOD_NONE)}}) {
      testing::ClickPageElement(shown, "document.getElementById('Text1')");
      host->AddressBox()->ChangeValue("http://x.test/");
      testing::PressKey(key, modifiers);
      EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == host->AddressBox(); }, 2000))
          << key;
      long from = 0, to = 0;
      host->AddressBox()->GetSelection(&from, &to);
      EXPECT_EQ(to - from, 14) << key;
    }
    // Ctrl+plus, Ctrl+minus and Ctrl+0 zoom; F5 reloads.
    const double normal = shown.Browser().GetWebView()->GetZoomFactor();
    testing::PressKey('=', wxMOD_CONTROL);
    EXPECT_GT(shown.Browser().GetWebView()->GetZoomFactor(), normal);
    testing::PressKey('-', wxMOD_CONTROL);
    testing::PressKey('-', wxMOD_CONTROL);
    EXPECT_LT(shown.Browser().GetWebView()->GetZoomFactor(), normal);
    testing::PressKey('0', wxMOD_CONTROL);
    EXPECT_DOUBLE_EQ(shown.Browser().GetWebView()->GetZoomFactor(), normal);
    const int loads = shown.Browser().LoadCount();
    testing::PressKey(WXK_F5);
    EXPECT_TRUE(WaitFor([&] { return shown.Browser().LoadCount() > loads; }));
    // Ctrl+F finds in the page.
    testing::PressKey('f', wxMOD_CONTROL);
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == shown.FindBar(); }, 2000));
    testing::TypeText("zzz");
    EXPECT_EQ(shown.FindBar()->GetValue(), "zzz");
    testing::PressKey(WXK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !shown.FindBar()->IsShown(); }, 2000));
    // Alt+Left and Alt+Right step through the history.
    shown.Browser().Navigate(LocalFullName("sc/jz"));
    ASSERT_TRUE(WaitFor([&] { return ShowsFile(shown, "/sc/jz"); }));
    testing::ClickPageElement(shown, "document.body");
    // A page restored from the history may not load again: where the page is counts.
    auto at = [&](const std::string& tail) {
      const std::string url = shown.Browser().CurrentUrl();
      return url.size() >= tail.size() &&
             url.compare(url.size() - tail.size(), tail.size(), tail) == 0;
    };
    testing::PressKey(WXK_LEFT, wxMOD_ALT);
    EXPECT_TRUE(WaitFor([&] { return at("/sc/jz1"); })) << shown.Browser().CurrentUrl();
    testing::PressKey(WXK_RIGHT, wxMOD_ALT);
    EXPECT_TRUE(WaitFor([&] { return at("/sc/jz"); }));
    shown.Browser().GoBack();
    ASSERT_TRUE(WaitFor([&] { return at("/sc/jz1"); }));
    WaitFor([] { return false; }, 300);
    // Escape pressed inside the page belongs to the page.
    testing::ClickPageElement(shown, "document.getElementById('Text1')");
    testing::PressKey(WXK_ESCAPE);
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(recorder.asked(), 0);
    EXPECT_TRUE(host->IsShown());
  }
  // Ctrl+W closes the secondary window; Ctrl+Q asks the close question.
  testing::PressKey('w', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor(
      [&] {
        for (wxWindow* window : wxTopLevelWindows)
          if (dynamic_cast<CBrowserWindowDlg*>(window) && window->IsShown()) return false;
        return true;
      },
      3000));
  window_->Raise();
  testing::ClickPageElement(page(), "document.getElementById('Text1')");
  testing::PressKey('q', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return recorder.asked() == 1; }, 3000));
}

TEST_F(WindowRoad, ADoubleClickOnTheCaptionMaximisesAndRestores) {
  testing::MovePointer(window_, 400, 10);
  wxUIActionSimulator().MouseDblClick();
  ASSERT_TRUE(WaitFor([&] { return window_->IsMaximized(); }, 3000));
  WaitFor([] { return false; }, 700);
  testing::MovePointer(window_, 400, 10);
  wxUIActionSimulator().MouseDblClick();
  EXPECT_TRUE(WaitFor([&] { return !window_->IsMaximized(); }, 3000));
  EXPECT_EQ(window_->GetSize(), wxSize(850, 570));
}

// The labels of the buttons of the message box on the screen, and an answer to it.
std::vector<std::string> AnswerShownBox(GtkResponseType answer) {
  std::vector<std::string> labels;
  GList* windows = gtk_window_list_toplevels();
  for (GList* item = windows; item != nullptr; item = item->next) {
    if (!GTK_IS_MESSAGE_DIALOG(item->data) || !gtk_widget_get_visible(GTK_WIDGET(item->data)))
      continue;
    GtkWidget* area = gtk_dialog_get_action_area(GTK_DIALOG(item->data));
    GList* buttons = gtk_container_get_children(GTK_CONTAINER(area));
    for (GList* button = buttons; button != nullptr; button = button->next)
      if (GTK_IS_BUTTON(button->data))
        labels.push_back(gtk_button_get_label(GTK_BUTTON(button->data)));
    g_list_free(buttons);
    gtk_dialog_response(GTK_DIALOG(item->data), answer);
  }
  g_list_free(windows);
  return labels;
}

TEST_F(WindowRoad, MessageBoxesSpeakTheProgramsLanguage) {
  SetMessageBoxPresenter({});
  std::vector<std::string> question, notice;
  wxTimer answer;
  answer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    std::vector<std::string> labels = AnswerShownBox(GTK_RESPONSE_NO);
    if (labels.empty()) labels = AnswerShownBox(GTK_RESPONSE_OK);
    (question.empty() ? question : notice) = labels;
  });
  answer.StartOnce(700);
  testing::PressKey('q', wxMOD_CONTROL);  // the close question, answered No
  EXPECT_EQ(question, (std::vector<std::string>{"否", "是"}));
  EXPECT_TRUE(window_->IsShown());
  answer.StartOnce(700);
  ShowWindowMessageBox(Gbk("成功订阅“体育”资讯。"));
  EXPECT_EQ(notice, (std::vector<std::string>{"确定"}));
  testing::FailOnMessageBoxes();
}

// A system tray of the desktop's kind on the test display, for the life of the object.
class TrayHost {
 public:
  TrayHost() {
    const char* argv[] = {
        "trayer", "--edge",        "top",   "--align",       "right", "--widthtype",
        "pixel",  "--width",       "60",    "--heighttype",  "pixel", "--height",
        "30",     "--SetDockType", "false", "--transparent", "false", nullptr};
    if (::posix_spawnp(&pid_, "trayer", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
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
    if (text.find("\"panel\"") != std::string::npos) {
      inPanel = true;
      continue;
    }
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

TEST_F(WindowRoad, RestingOnAPageButtonLightsItWithoutTakingTheTyping) {
  wxTextCtrl* keyword = window_->KeywordBox();
  testing::ClickWindow(keyword);
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == keyword; }, 3000));
  keyword->ChangeValue("");
  testing::TypeText("hong");
  wxBitmapButton* video = window_->PageButton(CNavigatorDlg::kVideoId);
  testing::MovePointer(video, 30, 14);
  ASSERT_TRUE(WaitFor([&] { return window_->LitPageButton() == video; }, 3000));
  EXPECT_FALSE(video->GetBitmapLabel().IsSameAs(video->GetBitmapDisabled()));
  testing::TypeText(" kong");
  EXPECT_EQ(keyword->GetValue(), "hong kong");
  EXPECT_EQ(wxWindow::FindFocus(), keyword);
  EXPECT_FALSE(wxFileExists(MediaKindRowOf(MediaKind::kVideo).pageFile.data()))
      << "the blank pressed the video button";
  // Gone from the button, the pointer leaves it its normal face.
  testing::MovePointer(keyword, 20, 10);
  EXPECT_TRUE(WaitFor([&] { return window_->LitPageButton() == nullptr; }, 3000));
  EXPECT_TRUE(video->GetBitmapLabel().IsSameAs(video->GetBitmapDisabled()));
  // Straight from one button to the one before it: only the one under the pointer is lit.
  wxBitmapButton* images = window_->PageButton(CNavigatorDlg::kImageId);
  testing::MovePointer(images, 30, 14);
  ASSERT_TRUE(WaitFor([&] { return window_->LitPageButton() == images; }, 3000));
  testing::MovePointer(video, 30, 14);
  ASSERT_TRUE(WaitFor([&] { return window_->LitPageButton() == video; }, 3000));
  EXPECT_TRUE(images->GetBitmapLabel().IsSameAs(images->GetBitmapDisabled()));
}

TEST_F(WindowRoad, ThePlaceholderGoesAsSoonAsThePointerMovesOnTheBox) {
  const struct {
    wxWindow* box;
    const char* placeholder;
  } cases[] = {{window_->KeywordBox(), "请输入搜索关键词"}, {window_->AddressBox(), "请输入网址"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.placeholder);
    auto* entry = dynamic_cast<wxTextEntry*>(c.box);
    ASSERT_NE(entry, nullptr);
    testing::ClickPointer(c.box, 20, 10);
    entry->ChangeValue("");
    // Enter on the empty box with the pointer resting on it.
    testing::PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return entry->GetValue() == U(c.placeholder); }, 3000));
    testing::MovePointer(c.box, 60, 12);
    EXPECT_TRUE(WaitFor([&] { return entry->GetValue().empty(); }, 3000));
    testing::ClickPointer(c.box, 60, 12);
    testing::TypeText("xyz");
    EXPECT_TRUE(WaitFor([&] { return entry->GetValue() == "xyz"; }, 3000)) << entry->GetValue();
  }
}

TEST_F(WindowRoad, CtrlFOpensTheFindBoxWhollyInThePageAtEverySize) {
  ASSERT_EQ(page().TreeShown(), 1);  // the start page shows the side tree
  testing::ClickPageElement(page(), "document.body");
  testing::PressKey('f', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return page().FindBar() && page().FindBar()->IsShown(); }, 3000));
  // Inside the page, and clear of every toolbar button.
  auto fits = [&] {
    const wxRect box = page().FindBar()->GetRect();
    if (box.IsEmpty() || !wxRect(page().GetClientSize()).Contains(box)) return false;
    for (int id : kToolbarIds)
      if (page().ToolbarButton(id)->GetRect().Intersects(box)) return false;
    return true;
  };
  const wxSize sizes[] = {{850, 570}, {620, 420}, {1200, 800}, {400, 300}};
  for (int tree : {1, 0}) {
    page().ShowTreePanel(tree);
    for (const wxSize& size : sizes) {
      window_->SetSize(size);
      EXPECT_TRUE(WaitFor(fits, 3000)) << "tree " << tree << " at " << size.x << "x" << size.y
                                       << ": " << page().FindBar()->GetRect().x;
    }
  }
  window_->SetSize(850, 570);
}

TEST_F(WindowRoad, ANarrowWindowStillTakesATypedAddressAndItsGoButton) {
  const std::string path = testing::WriteLocalPage("narrow.html", "narrow page", "narrow");
  window_->SetSize(560, 420);
  wxWindow* address = window_->AddressBox();
  ASSERT_TRUE(WaitFor([&] { return window_->GetClientSize().x < 600; }, 3000));
  const wxRect box = address->GetRect(), go = window_->GoButton()->GetRect();
  EXPECT_GE(box.width, 160);
  EXPECT_LE(box.GetRight(), go.x);
  EXPECT_TRUE(wxRect(window_->GetClientSize()).Contains(window_->SearchButton()->GetRect()));
  testing::ClickPointer(address, 20, 10);
  ASSERT_TRUE(
      WaitFor([&] { return address->HasFocus() || wxWindow::FindFocus() == address; }, 3000));
  window_->AddressBox()->ChangeValue("");
  testing::TypeText(path.c_str());
  testing::ClickWindow(window_->GoButton());
  EXPECT_TRUE(WaitFor([&] { return ShowsFile(page(), "/narrow.html"); }));
  window_->SetSize(850, 570);
}

TEST_F(WindowRoad, AJobsBoxStaysAboveTheMainWindowClickedWhileItIsUp) {
  SetMessageBoxPresenter({});
  server_.Serve(std::string(hosts::kBaiduNews), "/n?cmd=4&class=sportnews&tn=rss", "");
  testing::ClickPageElement(page(), LinkNamed("体育"));
  ASSERT_TRUE(WaitFor([] { return ShownJobBox() != nullptr; }, 30000));
  wxDialog* box = ShownJobBox();
  ASSERT_TRUE(WaitFor([] { return Above("Orvanta ", "Orvanta V1.0"); }, 5000));
  // A click on the main window: the desktop raises it and gives it the keyboard, as a window
  // manager does, then the click arrives.
  gdk_window_focus(gtk_widget_get_window(static_cast<GtkWidget*>(window_->GetHandle())),
                   GDK_CURRENT_TIME);
  testing::ClickWindow(window_->KeywordBox());
  EXPECT_TRUE(WaitFor([] { return Above("Orvanta ", "Orvanta V1.0"); }, 5000));
  // Nothing is blocked: the keyboard stays in the box clicked.
  window_->KeywordBox()->ChangeValue("");
  testing::TypeText("abc");
  EXPECT_EQ(window_->KeywordBox()->GetValue(), "abc");
  EXPECT_EQ(ShownJobBox(), box);
  testing::ClickWindow(box->FindWindow(wxID_OK));
  EXPECT_TRUE(WaitFor([] { return ShownJobBox() == nullptr; }, 5000));
  // The job that wrote nothing returns to the start page.
  EXPECT_TRUE(WaitFor([&] { return ShowsFile(page(), "/sc/jz1"); }, 10000));
  testing::FailOnMessageBoxes();
}

TEST_F(WindowRoad, SaveKeepsThePageAsShownUnderItsTitle) {
  const std::string gbk = Gbk(
      "<html><head><meta http-equiv='Content-Type' content='text/html; charset=gbk'>"
      "<title>今日新闻</title></head><body><h1>今日要闻</h1><p>港口恢复通航。</p></body></html>");
  const std::string utf8 =
      "<html><head><meta charset='utf-8'><title>UTF-8 新闻</title></head>"
      "<body><p>今日要闻 — ünïcode</p></body></html>";
  // Pages that are not the program's own reach the engine's saved resource the same way
  // from a file as from a server; the engine's network process keeps the proxy of whichever
  // test started it, so a loopback server is not reliably reached from here.
  std::ofstream("news-gbk.html", std::ios::binary) << gbk;
  std::ofstream("news-utf8.html", std::ios::binary) << utf8;
  const Text own = testing::WriteLocalPage("sc/jzsaved", "<p>自己的页</p>", "自己的页");
  const struct {
    Text address;
    std::string tail, bytes;
    const char* title;
  } cases[] = {
      {own, "/sc/jzsaved", ReadWhole("sc/jzsaved"), "自己的页"},
      {LocalFullName("news-gbk.html"), "/news-gbk.html", gbk, "今日新闻"},
      {LocalFullName("news-utf8.html"), "/news-utf8.html", utf8, "UTF-8 新闻"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tail);
    page().Browser().Navigate(c.address);
    ASSERT_TRUE(WaitFor([&] {
      return ShowsFile(page(), c.tail) && page().Browser().LocationName() == Gbk(c.title) &&
             page().ToolbarButton(CBrowserPageDlg::kSaveId)->IsEnabled();
    })) << page().Browser().LoadedURL()
        << " " << page().Browser().LocationName();
    const std::string target = folder_.path() + "/saved" + std::to_string(++n) + ".html";
    const testing::FileDialogAnswer answer(folder_.path(), target.substr(target.rfind('/') + 1));
    testing::Press(&page(), CBrowserPageDlg::kSaveId);
    EXPECT_TRUE(WaitFor([&] { return ReadWhole(target) == c.bytes; }, 10000))
        << ReadWhole(target).size() << " bytes";
    EXPECT_EQ(answer.proposed(), std::string(c.title) + ".html");
  }
  // The saved news page opens as it was shown.
  page().Browser().Navigate(folder_.path() + "/saved2.html");
  EXPECT_TRUE(WaitFor([&] {
    return ShowsFile(page(), "/saved2.html") && page().Browser().LocationName() == Gbk("今日新闻");
  }));
  testing::SaveScreenshot(*window_, ORVANTA_SAVED_PAGE_SCREENSHOT);
}

// How many pixels of an image are exactly the page frame's own blue.
int FrameBluePixels(const wxImage& image) {
  int count = 0;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x)
      if (image.GetRed(x, y) == 28 && image.GetGreen(x, y) == 106 && image.GetBlue(x, y) == 168)
        ++count;
  return count;
}

TEST_F(WindowRoad, WhatCoveredThePageLeavesNoPaintBehind) {
  testing::MessageRecorder recorder;
  wxWindow* view = page().Browser().GetWindow();
  const wxRect area = view->GetScreenRect();
  ASSERT_TRUE(WaitFor([&] { return FrameBluePixels(ScreenImage(area)) == 0; }, 5000))
      << "the start page shows no frame blue";
  const wxImage before = ScreenImage(area);
  auto covered = [&] {
    const wxImage now = ScreenImage(area);
    return now.IsOk() && before.IsOk() && now.GetSize() == before.GetSize() &&
           std::memcmp(now.GetData(), before.GetData(), before.GetWidth() * before.GetHeight() * 3);
  };
  const struct {
    const char* what;
    std::function<void()> cover, uncover;
  } cases[] = {
      {"a toolbar button's tooltip",
       [&] { testing::MovePointer(page().ToolbarButton(CBrowserPageDlg::kOrganizeId), 40, 15); },
       [&] { testing::MovePointer(view, area.width / 2, area.height - 20); }},
      {"the engine box's list",
       [&] {
         const wxRect box = window_->EngineBox()->GetScreenRect();
         testing::ClickPointer(window_->EngineBox(), box.width - 8, box.height / 2);
       },
       [&] { testing::PressKey(WXK_ESCAPE); }},
      {"the organise dialog",
       [&] {
         testing::WhenShown<COrganizeFavoritesDlg>([&](COrganizeFavoritesDlg& dialog) {
           WaitFor(covered, 5000);
           dialog.EndModal(wxID_CANCEL);
         });
         testing::Press(&page(), CBrowserPageDlg::kOrganizeId);
       },
       [] {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.cover();
    EXPECT_TRUE(WaitFor(covered, 5000)) << "nothing covered the page";
    c.uncover();
    WaitFor([&] { return !covered(); }, 3000);
    EXPECT_EQ(FrameBluePixels(ScreenImage(area)), 0);
  }
  testing::SaveScreenshot(*window_, ORVANTA_NO_PAINT_LEFT_SCREENSHOT);
}

}  // namespace
}  // namespace orvanta
