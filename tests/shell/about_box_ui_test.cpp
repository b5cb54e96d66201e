// The About boxes opened from the main window's menus, as the user sees them.
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

using testing::SecondaryWindows;

using testing::Press;
using testing::U;
using testing::WaitFor;
using testing::WhenShown;

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
    if (CAboutBoxDlg* box = ShownAboutBox()) box->Destroy();
    window_->Destroy();
  }

  CAboutBoxDlg* ShownAboutBox() {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* box = dynamic_cast<CAboutBoxDlg*>(window))
        if (box->IsShown() && !box->IsBeingDeleted()) return box;
    return nullptr;
  }
  void RunCommand(int command) {
    wxCommandEvent event(wxEVT_MENU, command);
    window_->GetEventHandler()->ProcessEvent(event);
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
  RunCommand(kAboutCommand);
  CAboutBoxDlg* box = ShownAboutBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetTitle(), "Orvanta");
  const std::vector<wxString> shown = StaticTexts(*box);
  for (const AboutStaticText& line : texts.statics)
    EXPECT_NE(std::find(shown.begin(), shown.end(), FromLocal(line.text)), shown.end()) << line.id;
  Press(box, texts.links[0].id);
  Press(box, texts.links[0].id);
  // The box stays open while its windows live on their own.
  EXPECT_EQ(ShownAboutBox(), box);
  const std::vector<CBrowserWindowDlg*> opened = SecondaryWindows();
  ASSERT_EQ(opened.size(), 2u);
  for (CBrowserWindowDlg* secondary : opened) {
    EXPECT_TRUE(secondary->IsShown());
    EXPECT_EQ(secondary->Page().TreeShown(), 0);
  }
  Press(box, texts.okId);
  EXPECT_TRUE(WaitFor([&] { return ShownAboutBox() == nullptr; }, 3000));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(AboutBoxes, ClosingByTheCloseBoxLeavesTheBoxReadyLikeOk) {
  RunCommand(kAboutCommand);
  ASSERT_NE(ShownAboutBox(), nullptr);
  ShownAboutBox()->Close();
  ASSERT_TRUE(WaitFor([&] { return ShownAboutBox() == nullptr; }, 3000));
  RunCommand(kAboutCommand);
  // A second command while it is up shows the same box, not another.
  RunCommand(kAboutCommand);
  ASSERT_NE(ShownAboutBox(), nullptr);
  Press(ShownAboutBox(), GetAboutBoxTexts().okId);
  EXPECT_TRUE(WaitFor([&] { return ShownAboutBox() == nullptr; }, 3000));
}

TEST_F(AboutBoxes, AWindowOpenedFromTheAboutBoxIsAliveWhileTheBoxStaysOpen) {
  // The caption's menu button, then the first item of its menu, 关于, chosen by key while the
  // menu holds the event loop.
  testing::MenuChooser chooser(1);
  testing::ClickPointer(window_, 710, 10);
  ASSERT_TRUE(WaitFor([&] { return chooser.chosen(); }, 10000));
  ASSERT_TRUE(WaitFor([&] { return ShownAboutBox() != nullptr; }, 5000));
  CAboutBoxDlg* box = ShownAboutBox();
  testing::ClickWindow(box->FindWindow(GetAboutBoxTexts().links[0].id));
  ASSERT_TRUE(WaitFor([] { return SecondaryWindows().size() == 1; }, 5000));
  CBrowserWindowDlg* opened = SecondaryWindows()[0];
  // It comes to the front with the keyboard.
  EXPECT_TRUE(WaitFor([&] { return opened->IsActive(); }, 5000));
  // Once its page has settled (loaded, and its address shown, which on a busy machine may come
  // after the load), it takes keys while the box is up, and it closes.
  EXPECT_TRUE(WaitFor(
      [&] {
        return opened->Page().Browser().LoadCount() > 0 &&
               !opened->AddressBox()->GetValue().empty();
      },
      10000));
  testing::ClickWindow(opened->AddressBox());
  // As a person would, the keys wait until the click has put the cursor in the box.
  EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == opened->AddressBox(); }, 3000));
  testing::PressKey('a', wxMOD_CONTROL);
  testing::TypeText("typed");
  EXPECT_TRUE(WaitFor([&] { return opened->AddressBox()->GetValue() == "typed"; }, 3000))
      << opened->AddressBox()->GetValue();
  testing::PressKey('w', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([] { return SecondaryWindows().empty(); }, 5000));
  EXPECT_EQ(ShownAboutBox(), box);
  Press(box, GetAboutBoxTexts().okId);
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
