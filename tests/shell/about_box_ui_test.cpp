// The About boxes opened from the main window's menus, shown modally as the user sees them.
#include <gtest/gtest.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/widget_text_ui.h"
#include "shell/about_box_dlg.h"
#include "shell/about_box_texts.h"
#include "shell/browser_window_dlg.h"
#include "shell/caption_menu_ui.h"
#include "shell/navigator_dlg.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::Press;
using testing::U;
using testing::WhenShown;

std::vector<CBrowserWindowDlg*> SecondaryWindows() {
  std::vector<CBrowserWindowDlg*> windows;
  for (wxWindow* window : wxTopLevelWindows)
    if (auto* secondary = dynamic_cast<CBrowserWindowDlg*>(window)) windows.push_back(secondary);
  return windows;
}

std::vector<wxString> StaticTexts(wxWindow& dialog) {
  std::vector<wxString> texts;
  for (wxWindow* child : dialog.GetChildren())
    if (auto* text = dynamic_cast<wxStaticText*>(child)) texts.push_back(text->GetLabel());
  return texts;
}

class AboutBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = new CNavigatorDlg();
    window_->Show();
  }
  void TearDown() override {
    for (CBrowserWindowDlg* secondary : SecondaryWindows()) secondary->Destroy();
    window_->Destroy();
  }

  // Runs a menu command of the main window whose modal dialog act must end; a dialog still
  // open after ten seconds is ended here and fails the test instead of blocking the run.
  template <class Dialog>
  void RunMenuCommand(int command, std::function<void(Dialog&)> act) {
    auto wanted = std::make_shared<bool>(true);
    WhenShown<Dialog>(act, wanted);
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [wanted](wxTimerEvent&) {
      *wanted = false;
      for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<Dialog*>(window); dialog && dialog->IsModal()) {
          ADD_FAILURE() << "the dialog did not end";
          dialog->EndModal(wxID_CANCEL);
        }
    });
    guard.StartOnce(10000);
    wxCommandEvent event(wxEVT_MENU, command);
    window_->GetEventHandler()->ProcessEvent(event);
    *wanted = false;
  }

  testing::ScratchFolder scratch_;
  testing::MessageRecorder messages_;
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(AboutBoxes, MenuCommandShowsTheTextsAndTheBlogTwiceOpensTwoWindows) {
  const AboutBoxTexts& texts = GetAboutBoxTexts();
  std::vector<wxString> shown;
  wxString title;
  RunMenuCommand<CAboutBoxDlg>(kAboutCommand, [&](CAboutBoxDlg& dialog) {
    title = dialog.GetTitle();
    shown = StaticTexts(dialog);
    Press(&dialog, texts.links[0].id);
    Press(&dialog, texts.links[0].id);
    // The box stays open while its windows live on their own.
    EXPECT_TRUE(dialog.IsModal());
    Press(&dialog, texts.okId);
  });
  EXPECT_EQ(title, "Orvanta");
  for (const AboutStaticText& line : texts.statics)
    EXPECT_NE(std::find(shown.begin(), shown.end(), FromLocal(line.text)), shown.end())
        << line.id;
  const std::vector<CBrowserWindowDlg*> opened = SecondaryWindows();
  ASSERT_EQ(opened.size(), 2u);
  for (CBrowserWindowDlg* secondary : opened) {
    EXPECT_TRUE(secondary->IsShown());
    EXPECT_EQ(secondary->Page().TreeShown(), 0);
  }
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(AboutBoxes, ClosingByTheCloseBoxLeavesTheBoxReadyLikeOk) {
  int showings = 0;
  RunMenuCommand<CAboutBoxDlg>(kAboutCommand, [&](CAboutBoxDlg& dialog) {
    ++showings;
    dialog.Close();
  });
  RunMenuCommand<CAboutBoxDlg>(kAboutCommand, [&](CAboutBoxDlg& dialog) {
    ++showings;
    Press(&dialog, GetAboutBoxTexts().okId);
  });
  EXPECT_EQ(showings, 2);
}

TEST_F(AboutBoxes, SystemMenuCommandShowsTheSmallAboutDialog) {
  const SmallAboutTexts& texts = GetSmallAboutTexts();
  wxString title;
  std::vector<wxString> shown;
  RunMenuCommand<CSmallAboutDlg>(kSmallAboutCommand, [&](CSmallAboutDlg& dialog) {
    title = dialog.GetTitle();
    shown = StaticTexts(dialog);
    Press(&dialog, wxID_OK);
  });
  EXPECT_EQ(title, U("关于 kelmo"));
  EXPECT_EQ(shown, (std::vector<wxString>{U("Orvanta 1.0 版"), FromLocal(texts.rights)}));
}

}  // namespace
}  // namespace orvanta
