#include "favorites/favorites_state.h"

#include <optional>

#include "favorites/favorite_path.h"
#include "favorites/shortcut_file.h"

namespace orvanta {

FavoritesState& FavoritesState::Shared() {
  static FavoritesState state;
  return state;
}

std::vector<FavoriteItem> FavoritesState::ShowFavorites() {
  std::string folder = FavoritesFolderPath();
  if (!folder.empty()) m_strFavoritesFolder = std::move(folder);
  return ReadFavoritesTree(m_strFavoritesFolder);
}

void FavoritesState::ReadSelectedFavorite(std::string_view parentName, std::string_view name) {
  const std::optional<std::string> path = JoinFavoritePath(m_strFavoritesFolder, parentName, name);
  if (!path) return;
  m_strFavoriteFilePath = *path;
  if (std::optional<Text> address = ReadShortcutAddress(*path)) {
    m_strFavoriteAddress = std::move(*address);
  }
}

}  // namespace orvanta
