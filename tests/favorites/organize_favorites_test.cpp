#include "favorites/organize_favorites.h"

#include <gtest/gtest.h>

#include "favorites/shortcut_file.h"
#include "favorites/temp_folder.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::TempFolder;

TEST(OrganizeFavorites, AddsShortcutsAndMakesTheFolders) {
  TempFolder folder;
  const std::string favorites = folder.At("Favorites");
  EXPECT_EQ(AddFavorite(favorites, "", "a.url", "http://a/"), FavoriteOutcome::kDone);
  EXPECT_EQ(AddFavorite(favorites, "News", "b.url", "http://b/"), FavoriteOutcome::kDone);
  EXPECT_EQ(ReadShortcutAddress(favorites + "/News/b.url"), Text("http://b/"));
  EXPECT_EQ(AddFavorite(favorites, "", "a.url", "http://a2/"), FavoriteOutcome::kDone);
  EXPECT_EQ(ReadShortcutAddress(favorites + "/a.url"), Text("http://a2/"));
  EXPECT_EQ(AddFavorite(favorites, "..", "c.url", "http://c/"), FavoriteOutcome::kUnsafeName);
  EXPECT_EQ(AddFavorite(favorites, "", "../c.url", "http://c/"), FavoriteOutcome::kUnsafeName);
  EXPECT_FALSE(folder.Has("c.url"));
  EXPECT_EQ(AddFavorite(favorites, "", "d.url", "http://d/\nx"), FavoriteOutcome::kFailed);
}

TEST(OrganizeFavorites, NamesFromTitlesAreSingleSafeNames) {
  const struct {
    Text title;
    std::string name;
    const char* covers;
  } rows[] = {
      {"Home", "Home.url", "plain"},
      {"a/b\\c:d", "a_b_c_d.url", "separators of either desktop"},
      {"..", "无标题.url", "nothing left after the dots"},
      {"", "无标题.url", "no title"},
      {"  .x. ", "x.url", "blanks and dots at the ends"},
      {Gbk("新闻\\"), "新闻_.url", "Chinese kept"},
      {"\x95\x5C", "昞.url", "a GBK trail byte that is a backslash stays part of its character"},
  };
  for (const auto& row : rows) EXPECT_EQ(ShortcutNameForTitle(row.title), row.name) << row.covers;
  const std::string longName = ShortcutNameForTitle(std::string(300, 'x'));
  EXPECT_EQ(longName.size(), 204u);
}

TEST(OrganizeFavorites, RenamesMovesAndDeletesInsideTheFolderOnly) {
  TempFolder folder;
  const std::string favorites = folder.At("Favorites");
  ASSERT_EQ(AddFavorite(favorites, "", "a.url", "http://a/"), FavoriteOutcome::kDone);
  ASSERT_EQ(AddFavorite(favorites, "", "b.url", "http://b/"), FavoriteOutcome::kDone);
  ASSERT_EQ(CreateFavoritesSubfolder(favorites, "News"), FavoriteOutcome::kDone);
  EXPECT_EQ(CreateFavoritesSubfolder(favorites, "News"), FavoriteOutcome::kAlreadyExists);

  EXPECT_EQ(RenameFavorite(favorites, "", "a.url", "b.url"), FavoriteOutcome::kAlreadyExists);
  EXPECT_EQ(RenameFavorite(favorites, "", "a.url", "renamed"), FavoriteOutcome::kDone);
  EXPECT_TRUE(folder.Has("Favorites/renamed.url"));
  EXPECT_EQ(RenameFavorite(favorites, "", "renamed.url", "../escaped.url"),
            FavoriteOutcome::kUnsafeName);
  EXPECT_EQ(RenameFavorite(favorites, "", "gone.url", "x.url"), FavoriteOutcome::kNotFound);

  EXPECT_EQ(MoveFavorite(favorites, "", "renamed.url", "News"), FavoriteOutcome::kDone);
  EXPECT_TRUE(folder.Has("Favorites/News/renamed.url"));
  EXPECT_EQ(MoveFavorite(favorites, "News", "renamed.url", ".."), FavoriteOutcome::kUnsafeName);
  EXPECT_EQ(MoveFavorite(favorites, "News", "renamed.url", ""), FavoriteOutcome::kDone);
  EXPECT_TRUE(folder.Has("Favorites/renamed.url"));

  folder.Write("outside.url", "[X]\nURL=keep\n");
  EXPECT_EQ(DeleteFavorite(favorites, "", "../outside.url"), FavoriteOutcome::kUnsafeName);
  EXPECT_EQ(DeleteFavorite(favorites, "", ".."), FavoriteOutcome::kUnsafeName);
  EXPECT_TRUE(folder.Has("outside.url"));
  ASSERT_EQ(AddFavorite(favorites, "News", "c.url", "http://c/"), FavoriteOutcome::kDone);
  std::filesystem::create_directory_symlink(folder.Path(), favorites + "/News/link");
  EXPECT_EQ(DeleteFavorite(favorites, "", "News"), FavoriteOutcome::kDone);
  EXPECT_FALSE(folder.Has("Favorites/News"));
  EXPECT_TRUE(folder.Has("outside.url"));  // the link went, not what it named
  EXPECT_EQ(DeleteFavorite(favorites, "", "News"), FavoriteOutcome::kNotFound);
}

}  // namespace
}  // namespace orvanta
