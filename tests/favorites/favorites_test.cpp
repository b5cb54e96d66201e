#include "favorites/favorites_state.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "favorites/favorite_path.h"
#include "favorites/favorites_tree.h"
#include "favorites/shortcut_file.h"
#include "favorites/temp_folder.h"

namespace orvanta {
namespace {

using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TempFolder;

std::string Shortcut(const std::string& address) {
  return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

TEST(FavoritesTree, ListsTwoLevelsFoldersFirst) {
  TempFolder folder;
  folder.Write("A/x.url", Shortcut("http://x/"));
  folder.Write("A/B/deep.url", Shortcut("http://deep/"));
  folder.Write("A/notes.txt", "not a shortcut");
  folder.Write("y.url", Shortcut("http://y/"));
  folder.Write("Z.URL", Shortcut("http://z/"));
  folder.Write("readme.txt", "not a shortcut");
  std::filesystem::create_directory(folder.At("dir.url"));

  const std::vector<FavoriteItem> tree = ReadFavoritesTree(folder.Path());
  ASSERT_EQ(tree.size(), 4u);
  EXPECT_EQ(tree[0].name, "A");
  EXPECT_TRUE(tree[0].folder);
  EXPECT_EQ(tree[0].shortcuts, (std::vector<std::string>{"x.url"}));
  EXPECT_EQ(tree[1].name, "dir.url");  // a folder, whatever its name
  EXPECT_TRUE(tree[1].folder);
  EXPECT_EQ(tree[2].name, "Z.URL");
  EXPECT_EQ(tree[3].name, "y.url");
  EXPECT_FALSE(tree[3].folder);

  EXPECT_TRUE(ReadFavoritesTree(folder.At("missing")).empty());
  EXPECT_TRUE(ReadFavoritesTree("").empty());
}

TEST(ShortcutFile, AddressFollowsTheFirstEqualsFromOffsetTwo) {
  const struct {
    std::string bytes;
    std::optional<Text> address;
    const char* covers;
  } rows[] = {
      {Shortcut("http://a/"), Text("http://a/"), "the usual layout"},
      {"=x\nURL=http://b/\n", Text("http://b/"), "an equals sign at offset 0 is skipped"},
      {"a=x\nURL=http://b/", Text("http://b/"), "offset 1 is skipped, no line end at all"},
      {"ab=first\nURL=second\n", Text("first"), "offset 2 counts"},
      {"=", std::nullopt, "only an equals sign at offset 0"},
      {"a=", std::nullopt, "only an equals sign at offset 1"},
      {"[InternetShortcut]\r\nno address here\r\n", std::nullopt, "no equals sign"},
      {"", std::nullopt, "empty file"},
      {"[X]\nURL=\n", Text(""), "an empty address still counts"},
      {"[X]\nURL=a\rb\r\r\n", Text("a\rb\r"), "only the CR of CR LF goes"},
      {std::string("[X]\nURL=ab\0cd\n", 14), Text("ab"), "the address ends at a zero byte"},
  };
  for (const auto& row : rows) EXPECT_EQ(ShortcutAddressIn(row.bytes), row.address) << row.covers;
}

TEST(ShortcutFile, WritesWhatItReadsAndRefusesLineBreaks) {
  TempFolder folder;
  ASSERT_TRUE(WriteShortcutFile(folder.At("a.url"), "http://a/?q=1"));
  EXPECT_EQ(folder.Read("a.url"), Shortcut("http://a/?q=1"));
  EXPECT_EQ(ReadShortcutAddress(folder.At("a.url")), Text("http://a/?q=1"));
  EXPECT_FALSE(WriteShortcutFile(folder.At("b.url"), "http://a/\r\nIconFile=evil"));
  EXPECT_FALSE(folder.Has("b.url"));
}

TEST(ShortcutFile, OddFilesNeitherBlockNorCrash) {
  TempFolder folder;
  folder.Write("huge.url", std::string(20 * 1024 * 1024, 'x') + "=late");
  EXPECT_EQ(ReadShortcutAddress(folder.At("huge.url")), std::nullopt);
  folder.Write("hugeline.url", "[X]\nURL=" + std::string(20 * 1024 * 1024, 'y'));
  const std::optional<Text> cut = ReadShortcutAddress(folder.At("hugeline.url"));
  ASSERT_TRUE(cut);
  EXPECT_LE(cut->size(), kShortcutReadLimit);
  std::string binary;
  for (int byte = 0; byte < 256; ++byte) binary += static_cast<char>(byte == '=' ? 0 : byte);
  folder.Write("binary.url", binary);
  EXPECT_EQ(ReadShortcutAddress(folder.At("binary.url")), std::nullopt);
  // A pipe nobody writes to would hold a plain open or read for ever.
  ASSERT_EQ(::mkfifo(folder.At("pipe.url").c_str(), 0600), 0);
  EXPECT_EQ(ReadShortcutAddress(folder.At("pipe.url")), std::nullopt);
  EXPECT_EQ(ReadShortcutAddress(folder.Path()), std::nullopt);
  EXPECT_EQ(ReadShortcutAddress(folder.At("missing.url")), std::nullopt);
}

TEST(FavoritePath, NamesNeverLeadOutOfTheFolder) {
  const struct {
    std::string folder, parent, name;
    std::optional<std::string> path;
    const char* covers;
  } rows[] = {
      {"/fav", "", "x.url", "/fav/x.url", "a name in the folder"},
      {"/fav", "A", "..x.url", "/fav/A/..x.url", "dots that are part of a name"},
      {"/fav", "", "..", std::nullopt, "parent folder"},
      {"/fav", "..", "x.url", std::nullopt, "parent folder as the parent item"},
      {"/fav", "", "../x.url", std::nullopt, "a climbing name"},
      {"/fav", "", "/etc/passwd", std::nullopt, "an absolute name"},
      {"/fav", "A/B", "x.url", std::nullopt, "a parent with a separator"},
      {"/fav", "", ".", std::nullopt, "the folder itself"},
      {"/fav", "", "", std::nullopt, "no name"},
      {"/fav", "", std::string("x\0/../y", 7), std::nullopt, "a zero byte hiding a path"},
      {"", "", "x.url", std::nullopt, "no favorites folder"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(JoinFavoritePath(row.folder, row.parent, row.name), row.path) << row.covers;
}

TEST(FavoritesState, FolderItemsAndBadFilesKeepThePreviousAddress) {
  TempFolder folder;
  folder.Write("A/x.url", Shortcut("http://x/"));
  folder.Write("y.url", Shortcut("http://y/"));
  folder.Write("none.url", "no equals sign");
  folder.Write("early.url", "a=");
  folder.Write("secret", "[X]\nURL=http://outside/\n");
  FavoritesState state;
  state.SetFavoritesFolder(folder.Path());

  state.ReadSelectedFavorite("A", "x.url");
  EXPECT_EQ(state.FavoriteAddress(), "http://x/");
  EXPECT_EQ(state.FavoriteFilePath(), folder.At("A/x.url"));
  state.ReadSelectedFavorite("", "A");  // a folder item
  EXPECT_EQ(state.FavoriteAddress(), "http://x/");
  EXPECT_EQ(state.FavoriteFilePath(), folder.At("A"));
  state.ReadSelectedFavorite("", "none.url");
  state.ReadSelectedFavorite("", "early.url");
  state.ReadSelectedFavorite("", "gone.url");
  EXPECT_EQ(state.FavoriteAddress(), "http://x/");
  state.ReadSelectedFavorite("A", "../secret");
  EXPECT_EQ(state.FavoriteAddress(), "http://x/");
  state.ReadSelectedFavorite("", "y.url");
  EXPECT_EQ(state.FavoriteAddress(), "http://y/");
}

TEST(FavoritesFolder, IsMadeUnderTheDataFolderAndReadAfreshEachTime) {
  TempFolder folder;
  ScopedEnvironment data("XDG_DATA_HOME", folder.At("home"));
  EXPECT_EQ(FavoritesFolderPath(), folder.At("home/orvanta/Favorites"));
  FavoritesState state;
  EXPECT_TRUE(state.ShowFavorites().empty());
  EXPECT_EQ(MakeFavoritesFolder(), folder.At("home/orvanta/Favorites"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.At("home/orvanta/Favorites")));
  EXPECT_EQ(MakeFavoritesFolder(), folder.At("home/orvanta/Favorites")) << "made already";
  folder.Write("home/orvanta/Favorites/y.url", Shortcut("http://y/"));
  const std::vector<FavoriteItem> tree = state.ShowFavorites();
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].name, "y.url");
  EXPECT_EQ(state.FavoritesFolder(), folder.At("home/orvanta/Favorites"));
  folder.Write("file", "x");
  ScopedEnvironment blocked("XDG_DATA_HOME", folder.At("file"));
  EXPECT_EQ(MakeFavoritesFolder(), "") << "a file where the folder should be";
}

}  // namespace
}  // namespace orvanta
