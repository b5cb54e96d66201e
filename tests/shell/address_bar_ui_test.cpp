// The address box of a real main window: Go, the placeholders, and the typed history that
// completes what the user types, kept below a temporary config home.
#include <gtest/gtest.h>

#include <string>

#include "browser/browser_page_dlg.h"
#include "favorites/temp_folder.h"
#include "gui/widget_text_ui.h"
#include "shell/navigator_dlg.h"
#include "shell/typed_url_history.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::U;
using testing::WaitFor;

class AddressBar : public ::testing::Test {
 protected:
  CNavigatorDlg* OpenWindow() {
    auto* window = new CNavigatorDlg();
    window->Show();
    // Until the start page has loaded, its completion may still empty the address box.
    EXPECT_TRUE(WaitFor([window] { return testing::ShowsFile(window->HomePage(), "/sc/jz1"); }));
    return window;
  }
  TextArray History() const { return ReadTypedUrls(TypedUrlHistoryPath()); }
  std::pair<long, long> Selection(wxComboBox* box) {
    long from = 0, to = 0;
    box->GetSelection(&from, &to);
    return {from, to};
  }

  testing::ScratchFolder scratch_;
  testing::TempFolder config_;
  testing::ScopedEnvironment configHome_{"XDG_CONFIG_HOME", config_.Path()};
};

TEST_F(AddressBar, GoNavigatesRecordsAndTheNextWindowCompletesFromIt) {
  const Text address = "file://" + testing::WriteLocalPage("typed.html", "typed");
  CNavigatorDlg* first = OpenWindow();
  first->AddressBox()->ChangeValue(FromLocal(address));
  first->OnGo();
  EXPECT_TRUE(WaitFor([&] { return first->HomePage().Browser().LoadedURL() == address; }));
  EXPECT_EQ(first->HomePage().TreeShown(), 0);
  EXPECT_EQ(History(), TextArray{address});
  // Each window read the history once, when it was made.
  EXPECT_TRUE(first->AddressCompleter().Candidates().empty());

  CNavigatorDlg* second = OpenWindow();
  ASSERT_EQ(second->AddressCompleter().Candidates(), TextArray{address});
  second->AddressBox()->SetFocus();
  second->AddressBox()->SetValue(U("file:"));
  EXPECT_EQ(ToLocalText(second->AddressBox()->GetValue()), address);
  EXPECT_EQ(Selection(second->AddressBox()), std::make_pair(5L, static_cast<long>(address.size())));
  second->AddressBox()->Dismiss();
  first->Destroy();
  second->Destroy();
}

TEST_F(AddressBar, EmptyGoShowsThePlaceholdersAndNavigatesNothing) {
  CNavigatorDlg* window = OpenWindow();
  const Text before = window->HomePage().Browser().LoadedURL();
  for (const char* typed : {"", "请输入网址"}) {
    window->AddressBox()->ChangeValue(U(typed));
    window->OnGo();
    EXPECT_EQ(window->AddressBox()->GetValue(), U("请输入网址")) << typed;
    EXPECT_EQ(window->StatusLine()->GetValue(), U("  请输入网址")) << typed;
  }
  WaitFor([] { return false; }, 300);
  EXPECT_EQ(window->HomePage().Browser().LoadedURL(), before);
  EXPECT_FALSE(config_.Has("orvanta/typed-urls"));

  // Resting the pointer on the box empties both again.
  const wxSize box = window->AddressBox()->GetSize();
  testing::MovePointer(window->AddressBox(), box.x / 2, box.y / 2);
  EXPECT_TRUE(WaitFor([&] { return window->AddressBox()->GetValue().empty(); }, 3000));
  EXPECT_EQ(window->StatusLine()->GetValue(), "");
  window->Destroy();
}

TEST_F(AddressBar, GoKeepsTheAddressExactlyAsTypedNewestFirst) {
  CNavigatorDlg* window = OpenWindow();
  // Partial addresses go to the engine untouched; the dead port keeps the test offline.
  const Text typed[] = {"127.0.0.1:9/a", " 127.0.0.1:9/b ", "127.0.0.1:9/a"};
  for (const Text& address : typed) {
    window->AddressBox()->ChangeValue(FromLocal(address));
    window->OnGo();
  }
  EXPECT_EQ(History(), (TextArray{"127.0.0.1:9/a", " 127.0.0.1:9/b "}));
  window->Destroy();
}

}  // namespace
}  // namespace orvanta
