// What a page under the own scheme, or a hole in one, can read of the user's files.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "browser/browser_address.h"
#include "browser/web_browser2_ui.h"
#include "favorites/temp_folder.h"
#include "pages/own_page_file.h"
#include "pages/page_files.h"
#include "support/ui_test_support.h"

namespace orvanta {
namespace {

using testing::WaitFor;

class NoEvents : public CWebBrowser2Events {
 public:
  void OnStatusTextChange(const Text&, bool) override {}
  void OnNewWindow2(CNewWindowRequest&) override {}
  void OnNavigateComplete2(const Text&) override {}
  void OnCommandStateChange(int, bool) override {}
  void OnTitleChange(const Text&) override {}
};

class OwnPageScheme : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream("sc/probe") << "<html><body>probe</body></html>";
    frame_ = new wxFrame(nullptr, wxID_ANY, "own pages", wxPoint(0, 0), wxSize(500, 400));
    browser_ =
        std::make_unique<CWebBrowser2>(frame_, wxID_ANY, &events_, LocalFullName("sc/probe"));
    browser_->GetWindow()->SetSize(0, 0, 500, 400);
    frame_->Show();
    ASSERT_TRUE(WaitFor([&] { return browser_->LoadCount() > 0; }));
  }
  void TearDown() override {
    browser_.reset();
    frame_->Destroy();
  }
  wxString Script(const std::string& script) {
    wxString result;
    browser_->GetWebView()->RunScript(wxString::FromUTF8(script), &result);
    return result;
  }
  // What a script of the probe page reads of address; "" when it reads nothing.
  std::string ReadFromThePage(const std::string& address) {
    Script(
        "window.got = null; var x = new XMLHttpRequest();"
        "x.onload = function() { got = x.responseText; };"
        "x.onerror = function() { got = ''; };"
        "x.open('GET', '" +
        address + "'); x.send(); 1");
    WaitFor([&] { return Script("String(window.got)") != "null"; }, 10000);
    const wxString got = Script("String(window.got)");
    return got == "null" ? std::string() : got.utf8_string();
  }

  testing::ScratchFolder folder_;
  testing::TempFolder outside_;
  NoEvents events_;
  wxFrame* frame_ = nullptr;
  std::unique_ptr<CWebBrowser2> browser_;
};

TEST_F(OwnPageScheme, ServesOwnPagesButNoLinkOutOfTheirFoldersNorAFileTooLargeToBeOne) {
  std::ofstream("sc/fine") << "<html><body>fine page</body></html>";
  outside_.Write("secret", "the user's secret");
  outside_.Write("x", "<html><body>a secret page</body></html>");
  std::filesystem::create_symlink(outside_.At("secret"), "sc/leak");
  std::filesystem::remove_all("temp");
  std::filesystem::create_directory_symlink(outside_.Path(), "temp");
  {
    std::ofstream huge("sc/huge");
    huge << "<html><body>huge page</body></html>";
  }
  ASSERT_EQ(::truncate("sc/huge", static_cast<off_t>(kOwnPageFileLimit + 1)), 0);
  struct Row {
    const char* what;
    std::string address;
    std::string read;
  };
  const Row rows[] = {
      {"an own page", "fine", "<html><body>fine page</body></html>"},
      {"a link placed in sc", "leak", ""},
      {"temp itself a link", "../temp/x", ""},
      {"a file larger than any page", "huge", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(ReadFromThePage(row.address), row.read);
  }
}

// As if a feed's script had slipped through the markup filter into a page of the program's.
TEST_F(OwnPageScheme, RunsNoScriptButTheBuildersOwn) {
  std::ofstream("sc/hostile")
      << "<html><head><title>calm</title></head><body>"
         "<script>document.title='inline ran';</script>"
         "<img src='missing' onerror=\"document.title='handler ran';\">"
         "<a id='j' href=\"javascript:document.title='link ran';\">j</a>"
         "<script src='http://127.0.0.1:9/x.js'></script>"
         "<script type=text/javascript>function jd(){}</script></body></html>";
  browser_->Navigate(LocalFullName("sc/hostile"));
  ASSERT_TRUE(WaitFor([&] {
    return Script("document.readyState") == "complete" && Script("document.title") != "";
  }));
  Script("document.getElementById('j').click(); 1");
  WaitFor([&] { return Script("document.title") != "calm"; }, 1000);
  EXPECT_EQ(Script("document.title"), "calm");
  // The start page's own scripts and handlers still run.
  std::ofstream("sc/jz1", std::ios::binary) << StartPageText();
  browser_->Navigate(LocalFullName("sc/jz1"));
  ASSERT_TRUE(WaitFor([&] { return Script("typeof dk") == "function"; }));
  Script(
      "document.getElementById('Text1').value = 'abc';"
      "document.getElementById('sa').dispatchEvent(new MouseEvent('mousemove')); 1");
  EXPECT_TRUE(WaitFor([&] {
    return Script("document.getElementById('sa').getAttribute('href')")
        .StartsWith("http://ss/#abc#");
  }));
}

}  // namespace
}  // namespace orvanta
