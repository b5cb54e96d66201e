// Cases that block on purpose, to show the watchdog frees them and names them. They are
// disabled in the suites' runs; the ui_watchdog test runs them with a short limit and expects
// each blocking one to fail by name while the run goes on.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include "support/ui_test_support.h"

namespace orvanta {
namespace {

TEST(DISABLED_Watchdog, AMenuNobodyChooses) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "menu", wxPoint(50, 50), wxSize(300, 200));
  frame->Show();
  ASSERT_TRUE(testing::WaitFor([&] { return frame->IsShownOnScreen(); }));
  wxMenu menu;
  menu.Append(wxID_ANY, "nothing chooses this");
  frame->PopupMenu(&menu, 20, 20);
  frame->Destroy();
}

TEST(DISABLED_Watchdog, ADialogNobodyEnds) {
  wxDialog dialog(nullptr, wxID_ANY, "modal", wxPoint(50, 50), wxSize(300, 200));
  dialog.ShowModal();
}

TEST(DISABLED_Watchdog, TheRunGoesOnAfterARescue) { SUCCEED(); }

}  // namespace
}  // namespace orvanta
