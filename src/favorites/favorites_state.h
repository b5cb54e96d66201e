// What the favorites buttons and the tree share across every browser page of the process.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "favorites/favorites_tree.h"
#include "text/text.h"

namespace orvanta {

// Window thread only. Selecting an item in one window's tree sets the address that a
// double-click in any window's tree opens.
class FavoritesState {
 public:
  // The one instance of the process.
  static FavoritesState& Shared();

  // Looks up the favorites folder again (keeping the last one when none can be found) and
  // reads its tree.
  std::vector<FavoriteItem> ShowFavorites();

  // The tree item name with the name of its parent item, empty for a top-level item.
  // Folders, unreadable files and files without an address leave the favorite address as
  // it was; a name that is not safe is not even looked up.
  void ReadSelectedFavorite(std::string_view parentName, std::string_view name);

  const std::string& FavoritesFolder() const { return m_strFavoritesFolder; }
  const std::string& FavoriteFilePath() const { return m_strFavoriteFilePath; }
  // The target of the next double-click on a favorite: empty until one has been read.
  const Text& FavoriteAddress() const { return m_strFavoriteAddress; }

  // For tests and for a folder chosen by other means.
  void SetFavoritesFolder(std::string folder) { m_strFavoritesFolder = std::move(folder); }

 private:
  std::string m_strFavoritesFolder;
  std::string m_strFavoriteFilePath;
  Text m_strFavoriteAddress;
};

}  // namespace orvanta
