#include "controls/subclass_wnd_ui.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

wxDEFINE_EVENT(kProbeEvent, wxCommandEvent);

// Records the order in which hooks see the probe; consume stops the event at this hook.
class RecordingHook : public CSubclassWnd {
 public:
  RecordingHook(std::string name, std::vector<std::string>& seen, bool consume = false)
      : name_(std::move(name)), seen_(seen), consume_(consume) {}
  bool HandleMessage(wxEvent& event) override {
    if (event.GetEventType() == kProbeEvent) {
      seen_.push_back(name_);
      if (consume_) return true;
    }
    return CSubclassWnd::HandleMessage(event);
  }

 private:
  std::string name_;
  std::vector<std::string>& seen_;
  bool consume_;
};

int g_assertions = 0;

class SubclassWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_assertions = 0;
    previousHandler_ = wxSetAssertHandler([](const wxString&, int, const wxString&, const wxString&,
                                             const wxString&) { ++g_assertions; });
    frame_ = new wxFrame(nullptr, wxID_ANY, "hooks");
    window_ = new wxPanel(frame_);
    window_->Bind(kProbeEvent, [this](wxCommandEvent&) { seen_.push_back("window"); });
  }
  void TearDown() override {
    frame_->Destroy();
    wxSetAssertHandler(previousHandler_);
    EXPECT_EQ(g_assertions, 0);
  }
  std::vector<std::string> Probe() {
    seen_.clear();
    wxCommandEvent event(kProbeEvent);
    event.SetEventObject(window_);
    window_->GetEventHandler()->ProcessEvent(event);
    return seen_;
  }
  using Seen = std::vector<std::string>;

  wxAssertHandler_t previousHandler_ = nullptr;
  wxFrame* frame_ = nullptr;
  wxPanel* window_ = nullptr;
  std::vector<std::string> seen_;
};

TEST_F(SubclassWndTest, NewestHookSeesEachEventFirst) {
  RecordingHook a("A", seen_), b("B", seen_);
  a.AttachTo(window_);
  b.AttachTo(window_);
  EXPECT_EQ(CSubclassWnd::HeadOf(window_), &b);
  EXPECT_EQ(Probe(), (Seen{"B", "A", "window"}));
}

TEST_F(SubclassWndTest, DetachingInAnyOrderKeepsTheRestInOrder) {
  RecordingHook a("A", seen_), b("B", seen_), c("C", seen_);
  a.AttachTo(window_);
  b.AttachTo(window_);
  c.AttachTo(window_);
  b.AttachTo(nullptr);  // from the middle
  EXPECT_EQ(Probe(), (Seen{"C", "A", "window"}));
  a.AttachTo(nullptr);  // the oldest
  EXPECT_EQ(Probe(), (Seen{"C", "window"}));
  EXPECT_NE(window_->GetEventHandler(), window_);  // still hooked through the registry
  c.AttachTo(nullptr);                             // the last
  EXPECT_EQ(window_->GetEventHandler(), window_);
  EXPECT_EQ(CSubclassWnd::HeadOf(window_), nullptr);
  EXPECT_EQ(Probe(), (Seen{"window"}));
}

TEST_F(SubclassWndTest, AHookMayKeepAnEventFromOlderHooksAndTheWindow) {
  RecordingHook a("A", seen_), b("B", seen_, true);
  a.AttachTo(window_);
  b.AttachTo(window_);
  EXPECT_EQ(Probe(), (Seen{"B"}));
}

TEST_F(SubclassWndTest, DestroyingTheWindowDetachesEveryHookFirst) {
  auto* doomed = new wxPanel(frame_);
  bool windowSawDestroy = false;
  doomed->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == doomed) windowSawDestroy = true;
    event.Skip();
  });
  RecordingHook a("A", seen_), b("B", seen_);
  a.AttachTo(doomed);
  b.AttachTo(doomed);
  delete doomed;  // the toolkit asserts if a pushed handler outlives its window
  EXPECT_TRUE(windowSawDestroy);
  EXPECT_FALSE(a.IsAttached());
  EXPECT_FALSE(b.IsAttached());
  EXPECT_EQ(CSubclassWnd::HeadOf(doomed), nullptr);
}

TEST_F(SubclassWndTest, AHookThatGoesOutOfScopeDetachesItself) {
  RecordingHook a("A", seen_);
  a.AttachTo(window_);
  {
    RecordingHook b("B", seen_);
    b.AttachTo(window_);
    EXPECT_EQ(Probe(), (Seen{"B", "A", "window"}));
  }
  EXPECT_EQ(Probe(), (Seen{"A", "window"}));
  // Moving a hook to another window takes it off the first.
  auto* other = new wxPanel(frame_);
  a.AttachTo(other);
  EXPECT_EQ(Probe(), (Seen{"window"}));
  a.AttachTo(nullptr);
}

}  // namespace
}  // namespace orvanta
