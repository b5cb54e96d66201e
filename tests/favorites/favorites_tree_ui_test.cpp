// Favorites in the side tree of a real page, and the add and organise dialogs, on a real
// favorites folder below a temporary data home.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "favorites/add_favorite_dlg.h"
#include "favorites/favorites_state.h"
#include "favorites/organize_favorites_dlg.h"
#include "favorites/shortcut_file.h"
#include "favorites/temp_folder.h"
#include "files/write_file.h"
#include "shell/navigator_dlg.h"
#include "support/file_size_limit.h"
#include "support/ui_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing::Press;
using testing::U;
using testing::WaitFor;
using testing::WhenShown;

// "parent/name" for every item of a tree below its hidden root, in tree order.
std::vector<std::string> TreeLines(const wxTreeCtrl& tree) {
  std::vector<std::string> lines;
  std::function<void(const wxTreeItemId&, const std::string&)> walk =
      [&](const wxTreeItemId& parent, const std::string& prefix) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = tree.GetFirstChild(parent, cookie); item.IsOk();
             item = tree.GetNextChild(parent, cookie)) {
          const std::string name(tree.GetItemText(item).utf8_str().data());
          lines.push_back(prefix + name);
          walk(item, prefix + name + "/");
        }
      };
  if (tree.GetRootItem().IsOk()) walk(tree.GetRootItem(), "");
  return lines;
}

wxTreeItemId FindItem(const wxTreeCtrl& tree, const std::string& line) {
  std::function<wxTreeItemId(const wxTreeItemId&, const std::string&)> walk =
      [&](const wxTreeItemId& parent, const std::string& prefix) -> wxTreeItemId {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree.GetFirstChild(parent, cookie); item.IsOk();
         item = tree.GetNextChild(parent, cookie)) {
      const std::string name = prefix + tree.GetItemText(item).utf8_str().data();
      if (name == line) return item;
      if (wxTreeItemId found = walk(item, name + "/"); found.IsOk()) return found;
    }
    return {};
  };
  return tree.GetRootItem().IsOk() ? walk(tree.GetRootItem(), "") : wxTreeItemId();
}

class FavoritesPage : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = new CNavigatorDlg();
    window_->Show();
    ASSERT_TRUE(WaitFor([&] { return Loaded(LocalFullName("sc/jz1")); }));
  }
  void TearDown() override { window_->Destroy(); }

  CBrowserPageDlg& page() { return window_->HomePage(); }
  wxTreeCtrl& tree() { return *page().Tree(); }
  std::string Favorites() const { return home_.At("orvanta/Favorites"); }
  bool Loaded(const Text& fullName) {
    return page().Browser().LoadedURL() == AddressToUrl(fullName);
  }
  void WriteFavorite(const std::string& relative, const std::string& bytes) {
    home_.Write("orvanta/Favorites/" + relative, bytes);
  }
  void ShowFavorites() { Press(&page(), CBrowserPageDlg::kFavoritesId); }
  void Select(const std::string& line) {
    const wxTreeItemId item = FindItem(tree(), line);
    ASSERT_TRUE(item.IsOk()) << line;
    tree().SelectItem(item);
  }
  void Activate() {
    wxTreeEvent event(wxEVT_TREE_ITEM_ACTIVATED, &tree(), tree().GetSelection());
    tree().GetEventHandler()->ProcessEvent(event);
  }

  testing::ScratchFolder scratch_;
  orvanta::testing::TempFolder home_;
  orvanta::testing::ScopedEnvironment dataHome_{"XDG_DATA_HOME", home_.Path()};
  CNavigatorDlg* window_ = nullptr;
};

TEST_F(FavoritesPage, MakesAMissingFolderAndShowsTwoLevelsFoldersFirst) {
  ShowFavorites();
  EXPECT_TRUE(fs::is_directory(Favorites()));
  EXPECT_TRUE(TreeLines(tree()).empty());
  EXPECT_EQ(page().TreeShown(), 1);

  WriteFavorite("A/x.url", "[InternetShortcut]\r\nURL=http://x/\r\n");
  WriteFavorite("A/B/deep.url", "URL=http://deep/");
  WriteFavorite("A/notes.txt", "not a shortcut");
  WriteFavorite("y.url", "URL=http://y/");
  WriteFavorite("Big.URL", "URL=http://big/");
  WriteFavorite("readme.txt", "not a shortcut");
  WriteFavorite("Empty/.keep", "");
  ShowFavorites();
  EXPECT_EQ(TreeLines(tree()),
            (std::vector<std::string>{"A", "A/x.url", "Empty", "Big.URL", "y.url"}));
  const wxTreeItemId top = FindItem(tree(), "y.url");
  EXPECT_EQ(tree().GetItemImage(top), 1);
  EXPECT_EQ(tree().GetItemImage(top, wxTreeItemIcon_Selected), 2);
  EXPECT_EQ(tree().GetItemData(top), nullptr);

  tree().Expand(FindItem(tree(), "A"));
  Select("A/x.url");
  testing::SaveScreenshot(*window_, ORVANTA_FAVORITES_SCREENSHOT);
}

TEST_F(FavoritesPage, OddShortcutFilesKeepTheLastAddressAndNeverBlock) {
  WriteFavorite("good.url", "[InternetShortcut]\r\nURL=http://127.0.0.1:9/good\r\nIconIndex=1\r\n");
  WriteFavorite("eq0.url", "=http://zero/");
  WriteFavorite("eq1.url", "a=http://one/");
  WriteFavorite("eq2.url", "ab=http://two/\nnext=line");
  WriteFavorite("none.url", "[InternetShortcut]\r\nno address at all\r\n");
  WriteFavorite("binary.url", std::string("\x7f\x00\xff\xfe\x00\x01", 6));
  WriteFavorite("huge.url", std::string(1 << 20, 'x') + "=http://too-far/");
  WriteFavorite("empty.url", "");
  WriteFavorite("Folder/in.url", "URL=http://in/");
  ShowFavorites();
  const struct {
    const char* item;
    const char* address;
    const char* covers;
  } rows[] = {
      {"good.url", "http://127.0.0.1:9/good", "the usual layout, CR LF cut"},
      {"eq0.url", "http://127.0.0.1:9/good", "\"=\" at offset 0 is no address"},
      {"eq1.url", "http://127.0.0.1:9/good", "\"=\" at offset 1 is no address"},
      {"eq2.url", "http://two/", "\"=\" at offset 2 is the first that counts"},
      {"none.url", "http://two/", "no \"=\" at all"},
      {"binary.url", "http://two/", "binary bytes"},
      {"huge.url", "http://two/", "an \"=\" only beyond what is read"},
      {"empty.url", "http://two/", "an empty file"},
      {"Folder", "http://two/", "a folder item"},
      {"Folder/in.url", "http://in/", "a shortcut of a sub-folder"},
  };
  for (const auto& row : rows) {
    Select(row.item);
    EXPECT_EQ(FavoritesState::Shared().FavoriteAddress(), Text(row.address)) << row.covers;
  }
}

TEST_F(FavoritesPage, DoubleClickOpensTheShortcutAndAFolderOpensNothing) {
  const Text target = testing::WriteLocalPage("target.html", "<p>favorite</p>");
  const Text other = testing::WriteLocalPage("other.html", "<p>other</p>");
  WriteFavorite("page.url", "[InternetShortcut]\r\nURL=file://" + target + "\r\n");
  WriteFavorite("Full/other.url", "URL=file://" + other);
  WriteFavorite("Empty/.keep", "");
  ShowFavorites();
  Select("page.url");
  Activate();
  ASSERT_TRUE(WaitFor([&] { return Loaded(target); }));

  // The last address read is another page's: a folder must not open it.
  Select("Full/other.url");
  for (const char* folder : {"Full", "Empty"}) {
    Select(folder);
    Activate();
    EXPECT_EQ(page().Browser().LocationURL(), "file://" + target) << folder;
  }
}

TEST_F(FavoritesPage, AddWritesTheShortcutIntoTheChosenFolderAndRefusesEscapingNames) {
  testing::MessageRecorder recorder;
  const Text page = testing::WriteLocalPage("titled.html", "<p>x</p>", "新闻 a/b");
  this->page().Browser().Navigate(page);
  ASSERT_TRUE(WaitFor(
      [&] { return Loaded(page) && this->page().Browser().LocationName() == Gbk("新闻 a/b"); }));
  WriteFavorite("News/old.url", "URL=http://old/");

  std::string proposed;
  std::string written;
  WhenShown<CAddFavoriteDlg>([&](CAddFavoriteDlg& dialog) {
    proposed = dialog.NameBox()->GetValue().utf8_str().data();
    for (const char* name : {"../evil", "a/b", "..", "  "}) {
      dialog.NameBox()->SetValue(U(name));
      Press(&dialog, wxID_OK);
    }
    dialog.NameBox()->SetValue(U("新闻"));
    dialog.FolderChoice()->SetStringSelection("News");
    Press(&dialog, wxID_OK);
    written = dialog.ShortcutPath();
  });
  Press(&this->page(), CBrowserPageDlg::kAddFavoriteId);

  EXPECT_EQ(proposed, "新闻 a_b");
  EXPECT_EQ(recorder.shown().size(), 4u);
  EXPECT_EQ(written, Favorites() + "/News/新闻.url");
  EXPECT_EQ(home_.Read("orvanta/Favorites/News/新闻.url"), MakeShortcutText("file://" + page));
  // Written whole under its own name: nothing else is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Favorites() + "/News"))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"old.url", "新闻.url"}));
  EXPECT_FALSE(home_.Has("orvanta/evil.url"));
  EXPECT_FALSE(home_.Has("orvanta/Favorites/a"));
}

TEST_F(FavoritesPage, EnterInTheNameBoxSavesAsTheOkButtonDoes) {
  const Text page = testing::WriteLocalPage("enter.html", "<p>x</p>", "enter");
  this->page().Browser().Navigate(page);
  ASSERT_TRUE(
      WaitFor([&] { return Loaded(page) && this->page().Browser().LocationName() == "enter"; }));
  // Should Enter do nothing, the box is closed unsaved and the test fails instead of hanging.
  wxTimer unanswered;
  unanswered.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* dialog = dynamic_cast<CAddFavoriteDlg*>(window); dialog && dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
  });
  WhenShown<CAddFavoriteDlg>([&](CAddFavoriteDlg& dialog) {
    dialog.NameBox()->SetFocus();
    testing::PressKey(WXK_RETURN);
    unanswered.StartOnce(5000);
  });
  Press(&this->page(), CBrowserPageDlg::kAddFavoriteId);
  EXPECT_TRUE(home_.Has("orvanta/Favorites/enter.url"));
}

TEST_F(FavoritesPage, AddOnAFullDiskSaysItCouldNotWriteTheShortcut) {
  testing::MessageRecorder recorder;
  const Text page = testing::WriteLocalPage("titled.html", "<p>x</p>", "full");
  this->page().Browser().Navigate(page);
  ASSERT_TRUE(
      WaitFor([&] { return Loaded(page) && this->page().Browser().LocationName() == "full"; }));
  WriteFavorite("News/old.url", "URL=http://old/");
  WhenShown<CAddFavoriteDlg>([&](CAddFavoriteDlg& dialog) {
    dialog.NameBox()->SetValue(U("新闻"));
    dialog.FolderChoice()->SetStringSelection("News");
    testing::FileSizeLimit full(8);
    Press(&dialog, wxID_OK);
  });
  Press(&this->page(), CBrowserPageDlg::kAddFavoriteId);
  ASSERT_EQ(recorder.shown().size(), 1u);
  EXPECT_EQ(recorder.shown()[0].text,
            U("无法写入文件 ") + U((Favorites() + "/News/新闻.url").c_str()));
  EXPECT_EQ(recorder.shown()[0].caption, "Orvanta ");
  EXPECT_FALSE(home_.Has("orvanta/Favorites/News/新闻.url"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Favorites() + "/News"), fs::directory_iterator()),
            1);
}

TEST_F(FavoritesPage, ALongTitleIsProposedAsAShortNameOfWholeCharacters) {
  std::string title;
  for (int i = 0; i < 150; ++i) title += "中";  // 300 bytes in code page 936
  const Text page = testing::WriteLocalPage("long.html", "<p>x</p>", title);
  this->page().Browser().Navigate(page);
  ASSERT_TRUE(
      WaitFor([&] { return Loaded(page) && !this->page().Browser().LocationName().empty(); }));

  std::string proposed;
  WhenShown<CAddFavoriteDlg>([&](CAddFavoriteDlg& dialog) {
    proposed = dialog.NameBox()->GetValue().utf8_str().data();
    dialog.EndModal(wxID_CANCEL);
  });
  Press(&this->page(), CBrowserPageDlg::kAddFavoriteId);
  ASSERT_FALSE(proposed.empty());
  EXPECT_LE(proposed.size(), 200u);
  EXPECT_EQ(proposed.size() % 3, 0u);
  EXPECT_EQ(title.compare(0, proposed.size(), proposed), 0);
}

TEST_F(FavoritesPage, OrganiseRenamesMovesAndDeletesOnlyInsideTheFolder) {
  testing::MessageRecorder recorder(true);
  WriteFavorite("A/x.url", "URL=http://x/");
  WriteFavorite("y.url", "URL=http://y/");
  WriteFavorite("w.url", "URL=http://w/");
  WriteFavorite("B/.keep", "");
  home_.Write("outside.url", "URL=http://outside/");

  std::vector<std::string> before, after;
  std::size_t refusals = 0;
  WhenShown<COrganizeFavoritesDlg>([&](COrganizeFavoritesDlg& dialog) {
    wxTreeCtrl& items = *dialog.Items();
    auto act = [&](const std::string& line, const char* name, int button) {
      items.SelectItem(FindItem(items, line));
      if (name) dialog.NameBox()->SetValue(U(name));
      Press(&dialog, button);
    };
    before = TreeLines(items);
    for (const char* name : {"../evil", "../../outside", "a/b", "..", "", "/tmp/x"})
      act("y.url", name, COrganizeFavoritesDlg::kRenameId);
    refusals = recorder.shown().size();
    act("y.url", "w", COrganizeFavoritesDlg::kRenameId);  // taken
    act("y.url", "z", COrganizeFavoritesDlg::kRenameId);
    dialog.TargetChoice()->SetStringSelection("B");
    act("A/x.url", nullptr, COrganizeFavoritesDlg::kMoveId);
    dialog.TargetChoice()->SetSelection(0);
    act("B/x.url", nullptr, COrganizeFavoritesDlg::kMoveId);
    act("A", nullptr, COrganizeFavoritesDlg::kDeleteId);
    act("B", "../C", COrganizeFavoritesDlg::kNewFolderId);
    act("B", "C", COrganizeFavoritesDlg::kNewFolderId);
    after = TreeLines(items);
    Press(&dialog, wxID_CANCEL);
  });
  Press(&page(), CBrowserPageDlg::kOrganizeId);

  EXPECT_EQ(before, (std::vector<std::string>{"A", "A/x.url", "B", "w.url", "y.url"}));
  EXPECT_EQ(refusals, 6u);
  EXPECT_EQ(recorder.shown().size(), 8u);  // the taken name and the folder "../C" as well
  EXPECT_EQ(recorder.asked(), 1);
  EXPECT_EQ(after, (std::vector<std::string>{"B", "C", "w.url", "x.url", "z.url"}));
  EXPECT_EQ(home_.Read("orvanta/Favorites/z.url"), "URL=http://y/");
  EXPECT_EQ(home_.Read("outside.url"), "URL=http://outside/");
  EXPECT_FALSE(home_.Has("orvanta/evil.url"));
  EXPECT_FALSE(home_.Has("orvanta/C"));
  EXPECT_FALSE(fs::exists("/tmp/x.url"));
}

TEST_F(FavoritesPage, OrganiseWithoutAFolderToMakeSaysItCannotBeFound) {
  testing::MessageRecorder recorder;
  home_.Write("file", "a file where the data home would be");
  orvanta::testing::ScopedEnvironment blocked("XDG_DATA_HOME", home_.At("file"));
  auto wanted = std::make_shared<bool>(true);
  WhenShown<COrganizeFavoritesDlg>(
      [](COrganizeFavoritesDlg& dialog) {
        ADD_FAILURE() << "the dialog opened without a folder";
        Press(&dialog, wxID_CANCEL);
      },
      wanted);
  Press(&page(), CBrowserPageDlg::kOrganizeId);
  *wanted = false;
  ASSERT_EQ(recorder.shown().size(), 1u);
  EXPECT_EQ(recorder.shown()[0].text, "The path of the Favorites folder cannot be found.");
  EXPECT_EQ(recorder.shown()[0].caption, "Error");
}

}  // namespace
}  // namespace orvanta
