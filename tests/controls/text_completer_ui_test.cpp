#include "controls/text_completer_ui.h"

#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>

#include "controls/color_combo_box_ui.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

// Counts the completions that actually start.
class CountingCompleter : public CTextCompleter {
 public:
  void OnTextChanged(wxWindow* control, const Text& text) override {
    ++changes;
    CTextCompleter::OnTextChanged(control, text);
  }
  int changes = 0;
};

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

class TextCompleterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, "completer", wxDefaultPosition, wxSize(400, 200));
    panel_ = new wxPanel(frame_);
    combo_ =
        new CColorComboBox(panel_, 1015, wxString(), wxPoint(0, 0), wxSize(300, 30), wxCB_DROPDOWN);
    edit_ = new wxTextCtrl(panel_, 1017, wxString(), wxPoint(0, 60), wxSize(300, 30));
    panel_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ++parentSaw_; });
    frame_->Show();
  }
  void TearDown() override {
    combo_->Dismiss();
    frame_->Destroy();
  }
  // What typing does to the box: a text change raised by the control.
  void TypeInto(wxComboBox* box, const char* utf8) { box->SetValue(U(utf8)); }
  std::pair<long, long> Selection(wxTextEntry* entry) {
    long from = 0, to = 0;
    entry->GetSelection(&from, &to);
    return {from, to};
  }

  wxFrame* frame_ = nullptr;
  wxPanel* panel_ = nullptr;
  CColorComboBox* combo_ = nullptr;
  wxTextCtrl* edit_ = nullptr;
  int parentSaw_ = 0;
};

TEST_F(TextCompleterTest, FirstCharacterFillsTheListAndCompletesToTheFirstMatch) {
  CountingCompleter completer;
  completer.Attach(combo_);
  EXPECT_EQ(completer.ControlKindOf(), CTextCompleter::kKindComboBox);
  completer.AddCandidates({"www.abd.com", "mail.x.com", "", "www.abc.com", "WWW.upper.com"});
  TypeInto(combo_, "w");
  EXPECT_EQ(completer.changes, 1);  // the completer's own update does not complete again
  ASSERT_EQ(combo_->GetCount(), 2u);
  EXPECT_EQ(combo_->GetString(0), "www.abd.com");
  EXPECT_EQ(combo_->GetString(1), "www.abc.com");
  EXPECT_EQ(combo_->GetValue(), "www.abd.com");
  EXPECT_EQ(Selection(combo_), (std::pair<long, long>(1, 11)));
  EXPECT_EQ(completer.PreviousText(), "w");
  EXPECT_GE(parentSaw_, 1);  // the window still sees its control's changes

  // Backspace takes the selected tail away: the shortened text stays as typed.
  TypeInto(combo_, "w");
  EXPECT_EQ(combo_->GetValue(), "w");
  EXPECT_EQ(combo_->GetCount(), 2u);
  EXPECT_EQ(Selection(combo_), (std::pair<long, long>(1, 1)));

  // Letter case counts, and a text nobody starts with leaves box and list alone.
  TypeInto(combo_, "zq");
  EXPECT_EQ(combo_->GetValue(), "zq");
  EXPECT_EQ(combo_->GetCount(), 2u);
  TypeInto(combo_, "");
  EXPECT_EQ(combo_->GetCount(), 2u);
  EXPECT_EQ(completer.PreviousText(), "");
}

TEST_F(TextCompleterTest, SelectionCountsCharactersOfChineseText) {
  CTextCompleter completer;
  completer.Attach(combo_);
  completer.AddCandidate(Gbk("新闻网.cn"));
  TypeInto(combo_, "新闻");
  EXPECT_EQ(combo_->GetValue(), U("新闻网.cn"));
  EXPECT_EQ(Selection(combo_), (std::pair<long, long>(2, 6)));
}

TEST_F(TextCompleterTest, EditControlTakesOnlyTheFirstMatchAndNoList) {
  CountingCompleter completer;
  completer.Attach(edit_);
  EXPECT_EQ(completer.ControlKindOf(), CTextCompleter::kKindEdit);
  completer.AddCandidates({"mail.x.com", "mail.y.com"});
  edit_->SetValue("m");
  EXPECT_EQ(edit_->GetValue(), "mail.x.com");
  EXPECT_EQ(Selection(edit_), (std::pair<long, long>(1, 10)));
  EXPECT_EQ(completer.changes, 1);
  edit_->SetValue("m");
  EXPECT_EQ(edit_->GetValue(), "m");
  // The combo box is not the watched control.
  combo_->SetValue("m");
  EXPECT_EQ(combo_->GetValue(), "m");
  EXPECT_EQ(combo_->GetCount(), 0u);
}

TEST_F(TextCompleterTest, FindMatchesIsAPrefixTestInCandidateOrder) {
  CTextCompleter completer;
  completer.AddCandidates({"ab", "abc", "", "b", "abd"});
  TextArray matches;
  EXPECT_EQ(completer.FindMatches("ab", matches, false), 3);
  EXPECT_EQ(matches, (TextArray{"ab", "abc", "abd"}));
  EXPECT_EQ(completer.FindMatches("ab", matches, true), 1);
  EXPECT_EQ(completer.FindMatches("", matches, false), 0);
  EXPECT_TRUE(matches.empty());
  EXPECT_EQ(completer.FindMatches("abcd", matches, false), 0);
}

// Runs the event loop until done() holds or the bound passes.
bool WaitFor(const std::function<bool()>& done, int boundMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
    wxMilliSleep(5);
  }
  return true;
}

TEST_F(TextCompleterTest, RealKeysKeepReachingTheBoxAfterACompletion) {
  CTextCompleter completer;
  completer.Attach(combo_);
  completer.AddCandidates({"www.abc.com", "www.abd.com"});
  combo_->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() != nullptr; }));
  wxUIActionSimulator keys;
  keys.Text("ww");
  ASSERT_TRUE(WaitFor([&] { return completer.PreviousText() == "ww"; }));
  EXPECT_EQ(combo_->GetValue(), "www.abc.com");
  EXPECT_EQ(Selection(combo_), (std::pair<long, long>(2, 11)));
  keys.Char(WXK_BACK);  // takes the completed tail away
  ASSERT_TRUE(WaitFor([&] { return combo_->GetValue() == "ww"; }));
  EXPECT_EQ(combo_->GetCount(), 2u);
}

TEST_F(TextCompleterTest, ColourComboBoxDrawsInTheProgramColours) {
  EXPECT_EQ(combo_->GetForegroundColour(), wxColour(255, 186, 0));
  EXPECT_EQ(combo_->GetBackgroundColour(), wxColour(18, 32, 65));
}

}  // namespace
}  // namespace orvanta
