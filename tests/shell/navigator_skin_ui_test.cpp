// The skinned main window on a real display: its own caption, buttons, dragging and maximising.
// Xvfb runs no window manager, so a minimise request changes nothing that a test could see.
#include "shell/navigator_dlg.h"

#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::ClickPointer;
using testing::WaitFor;

const CaptionBitmapCell& CellOf(const CNavigatorDlg& window, CaptionButton button) {
  for (const CaptionBitmapCell& cell : window.Caption().buttons)
    if (cell.button == button) return cell;
  return window.Caption().buttons[0];
}

// Shown, painted once (so the hit rectangles exist) and ready for the pointer.
CNavigatorDlg* ShowSkinnedWindow() {
  auto* window = new CNavigatorDlg();
  window->Show();
  window->Raise();
  WaitFor([&] { return window->Caption().buttons[0].cell.Width() > 0; });
  return window;
}

std::string ShellOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
  }
  return output;
}

// Presses at a client point, drags the pointer by (dx, dy) and lets go.
void DragBy(wxWindow* window, wxPoint from, int dx, int dy) {
  wxUIActionSimulator simulator;
  testing::MovePointer(window, from.x, from.y);
  const wxPoint start = window->ClientToScreen(from);
  simulator.MouseDown();
  for (int step = 1; step <= 4; ++step) {
    testing::DeliverInput();
    simulator.MouseMove(start.x + dx * step / 4, start.y + dy * step / 4);
  }
  testing::DeliverInput();
  simulator.MouseUp();
  testing::DeliverInput();
}

TEST(NavigatorSkin, NormalWindowIsUndecoratedWithItsOwnCaption) {
  testing::ScratchFolder folder;
  CNavigatorDlg* window = ShowSkinnedWindow();
  EXPECT_EQ(window->GetSize(), wxSize(850, 570));
  // GTK marks an undecorated window through the Motif hints: no decorations at all; and the
  // window keeps its taskbar entry.
  // By its own id: a window of the same name from the test before may still be on its way out.
  const unsigned long id = gdk_x11_window_get_xid(gtk_widget_get_window(window->GetHandle()));
  const std::string hints =
      ShellOutput("xprop -id " + std::to_string(id) + " _MOTIF_WM_HINTS _NET_WM_STATE");
  unsigned flags = 0, functions = 0, decorations = 1;
  std::sscanf(hints.c_str(), "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = %x, %x, %x", &flags, &functions,
              &decorations);
  EXPECT_TRUE(flags & 2) << hints;
  EXPECT_EQ(decorations, 0u) << hints;
  EXPECT_EQ(hints.find("SKIP_TASKBAR"), std::string::npos) << hints;
  EXPECT_EQ(CellOf(*window, CaptionButton::kMaximiseRestore).bitmap, 157);
  // The picture shows the start page, not the blank page before it.
  ASSERT_TRUE(WaitFor([&] { return testing::ShowsFile(window->HomePage(), "/sc/jz1"); }));
  testing::SaveScreenshot(*window, ORVANTA_SKIN_SCREENSHOT);
  window->Destroy();
}

// Clicks on the fixed ranges of the normal window, each on a fresh window.
TEST(NavigatorSkin, FixedRangesOfTheNormalWindowDoWhatTheySay) {
  struct Case {
    int x;
    bool maximised;
    int questions;
  };
  const Case cases[] = {
      {800, false, 1},  // close: the question, answered No
      {740, false, 0},  // minimise: handed to the desktop, the window keeps its size
      {770, true, 0},   // maximise
      {700, false, 0},  // menu: covered by the menu test below; here only no other action
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    testing::ScratchFolder folder;
    testing::MessageRecorder recorder(false);
    CNavigatorDlg* window = ShowSkinnedWindow();
    bool menuOpened = false;
    window->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
      menuOpened = true;
      window->CallAfter([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
      event.Skip();
    });
    ClickPointer(window, c.x, 10);
    WaitFor([&] { return window->IsMaximized() || recorder.asked() > 0 || menuOpened; }, 1000);
    EXPECT_EQ(recorder.asked(), c.questions);
    EXPECT_EQ(window->IsMaximized(), c.maximised);
    EXPECT_EQ(menuOpened, c.x == 700);
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(window->GetPosition(), wxPoint(0, 0));
    window->Destroy();
  }
}

TEST(NavigatorSkin, MenuButtonOpensAboutAndExitAndExitAsksTheCloseQuestion) {
  testing::ScratchFolder folder;
  testing::MessageRecorder recorder(false);
  CNavigatorDlg* window = ShowSkinnedWindow();
  wxArrayString labels;
  window->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
    for (const wxMenuItem* item : event.GetMenu()->GetMenuItems())
      labels.push_back(item->GetItemLabelText());
    window->CallAfter([] {
      wxUIActionSimulator simulator;
      simulator.Char(WXK_DOWN);
      simulator.Char(WXK_DOWN);
      simulator.Char(WXK_RETURN);
    });
    event.Skip();
  });
  ClickPointer(window, 710, 10);
  ASSERT_TRUE(WaitFor([&] { return recorder.asked() == 1; }, 5000));
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0], testing::U("关于"));
  EXPECT_EQ(labels[1], testing::U("退出"));
  EXPECT_TRUE(window->IsShown());
  window->Destroy();
}

TEST(NavigatorSkin, MaximiseLeavesTheTaskbarAndRestoreReturnsWithTheFaceSwitch) {
  testing::ScratchFolder folder;
  CNavigatorDlg* window = ShowSkinnedWindow();
  const wxRect work = wxDisplay(window).GetClientArea();
  ClickPointer(window, 770, 10);
  ASSERT_TRUE(
      WaitFor([&] { return CellOf(*window, CaptionButton::kMaximiseRestore).bitmap == 155; }));
  EXPECT_EQ(window->GetRect(), work);

  // Maximised, the fixed ranges mean nothing and the painted restore cell decides. (A click
  // soon after the first would make a double click on the caption.)
  WaitFor([] { return false; }, 700);
  ClickPointer(window, 770, 10);
  WaitFor([] { return false; }, 100);
  EXPECT_TRUE(window->IsMaximized());
  const CaptionRect restore = CellOf(*window, CaptionButton::kMaximiseRestore).cell;
  WaitFor([] { return false; }, 700);
  ClickPointer(window, restore.left + 17, restore.top + 8);
  ASSERT_TRUE(
      WaitFor([&] { return CellOf(*window, CaptionButton::kMaximiseRestore).bitmap == 157; }));
  EXPECT_EQ(window->GetRect(), wxRect(0, 0, 850, 570));
  window->Destroy();
}

// Maximising and restoring re-select the engine, and it must be the one the person picked.
TEST(NavigatorSkin, TheEngineThePersonPickedStaysThroughMaximiseAndRestore) {
  testing::ScratchFolder folder;
  CNavigatorDlg* window = ShowSkinnedWindow();
  wxComboBox* engines = window->EngineBox();
  const int drawn = engines->GetSelection();
  testing::MenuChooser chooser(1);  // the item below the one shown
  ClickPointer(engines, engines->GetSize().x - 8, engines->GetSize().y / 2);  // its arrow
  ASSERT_TRUE(WaitFor([&] { return chooser.chosen() && engines->GetSelection() != drawn; }));
  const int picked = engines->GetSelection();
  for (const int expectedFace : {155, 157}) {  // maximised, then restored
    SCOPED_TRACE(expectedFace);
    WaitFor([] { return false; }, 700);  // no double click on the caption
    const CaptionRect cell = CellOf(*window, CaptionButton::kMaximiseRestore).cell;
    ClickPointer(window, cell.left + 17, cell.top + 8);
    ASSERT_TRUE(WaitFor(
        [&] { return CellOf(*window, CaptionButton::kMaximiseRestore).bitmap == expectedFace; }));
    EXPECT_EQ(engines->GetSelection(), picked);
  }
  window->Destroy();
}

TEST(NavigatorSkin, BackgroundDragMovesOnlyTheNormalWindow) {
  for (const bool maximised : {false, true}) {
    SCOPED_TRACE(maximised);
    testing::ScratchFolder folder;
    CNavigatorDlg* window = ShowSkinnedWindow();
    window->Maximize(maximised);
    WaitFor([&] {
      return (CellOf(*window, CaptionButton::kMaximiseRestore).bitmap == 155) == maximised;
    });
    // Empty background between the page buttons and the right end of the caption row.
    DragBy(window, wxPoint(400, 40), 60, 40);
    const wxPoint expected = maximised ? wxPoint(0, 0) : wxPoint(60, 40);
    WaitFor([&] { return window->GetPosition() == expected; }, 2000);
    EXPECT_EQ(window->GetPosition(), expected);
    window->Destroy();
  }
}

}  // namespace
}  // namespace orvanta
