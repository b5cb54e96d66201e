// The main window on a real display: start-up files, the home page, caption and media rule.
#include "shell/navigator_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "browser/browser_address.h"
#include "browser/media_list_job.h"
#include "pages/loading_page.h"
#include "pages/start_page.h"
#include "ui/ui_test_support.h"

namespace orvanta {
namespace {

using testing::WaitFor;

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Exists(const char* name) {
  struct stat status;
  return ::stat(name, &status) == 0;
}

bool ShowsFile(CBrowserPageDlg& page, const char* relative) {
  const Text& url = page.Browser().LoadedURL();
  const std::string tail(relative);
  return url.size() > tail.size() && url.compare(url.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(CNavigatorDlg, FirstStartWritesLoadingAndStartPageAndShowsTheStartPage) {
  testing::ScratchFolder folder;
  auto* window = new CNavigatorDlg();
  window->Show();
  EXPECT_EQ(ReadFile("sc/jz"), BuildLoadingPage(1));
  EXPECT_EQ(ReadFile("sc/jz1"), BuildStartPage(1));
  EXPECT_TRUE(Exists("temp"));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(window->HomePage(), "/sc/jz1"); }));
  // The program's own pages never show in the address box; the caption stays the program's.
  EXPECT_EQ(window->AddressBox()->GetValue(), "");
  EXPECT_EQ(window->GetTitle(), "Orvanta V1.0");
  EXPECT_EQ(window->HomePage().TreeShown(), 1);
  EXPECT_EQ(window->StatusLine()->GetValue(), "  Orvanta");
  EXPECT_LT(window->EngineIndex(), 9);
  // Root, seven default keywords, help item.
  EXPECT_EQ(window->HomePage().Tree()->GetCount(), 9u);
  WaitFor([] { return false; }, 300);
  (void)std::system(("import -window root '" ORVANTA_SCREENSHOT "' 2>/dev/null"));
  window->Destroy();
}

TEST(CNavigatorDlg, SecondStartKeepsTheLoadingPageButRewritesTheStartPage) {
  testing::ScratchFolder folder;
  std::ofstream("sc/jz") << "kept";
  std::ofstream("sc/jz1") << "stale";
  auto* window = new CNavigatorDlg();
  EXPECT_EQ(ReadFile("sc/jz"), "kept");
  EXPECT_EQ(ReadFile("sc/jz1"), BuildStartPage(1));
  window->Destroy();
}

TEST(CNavigatorDlg, MediaButtonsDropOldListsAndStartOneListJobPerReset) {
  testing::ScratchFolder folder;
  testing::MessageRecorder recorder;
  auto* window = new CNavigatorDlg();
  window->Show();
  CBrowserPageDlg& home = window->HomePage();
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz1"); }));
  std::ofstream(std::string(kVideoListFile)) << "old list";

  window->OnVideoButton();
  EXPECT_FALSE(Exists("sc/~astq3339681"));
  EXPECT_EQ(home.TreeShown(), 0);
  ASSERT_TRUE(WaitFor([&] { return home.m_nMediaLists == 1; }));
  EXPECT_EQ(home.m_strSubject, kVideoListFile);
  EXPECT_EQ(home.m_strJobNumber, "333");

  // Back on the same media page without a button press: no second job.
  home.m_strSubject = "untouched";
  home.Browser().Navigate(LocalFullName("sc/jz1"));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz1"); }));
  home.Browser().Navigate(LocalFullName("sc/jz2"));
  ASSERT_TRUE(WaitFor([&] { return ShowsFile(home, "/sc/jz2"); }));
  EXPECT_EQ(home.m_strSubject, "untouched");

  window->OnMusicButton();
  ASSERT_TRUE(WaitFor([&] { return home.m_strSubject == kMusicListFile; }));
  EXPECT_EQ(home.m_nMediaLists, 1);
  // Both jobs find every media site dead and say so once each.
  ASSERT_TRUE(WaitFor([&] { return recorder.shown().size() == 2; }, 60000));
  EXPECT_EQ(recorder.shown()[1].caption, "Orvanta ");
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
