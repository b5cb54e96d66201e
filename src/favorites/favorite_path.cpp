#include "favorites/favorite_path.h"

#include <filesystem>
#include <system_error>

#include "files/xdg_folder.h"

namespace orvanta {

std::string FavoritesFolderPath() {
  const std::string folder = XdgFolder("XDG_DATA_HOME", ".local/share", "orvanta");
  return folder.empty() ? std::string() : folder + "/Favorites";
}

std::string MakeFavoritesFolder() {
  const std::string folder = FavoritesFolderPath();
  if (folder.empty()) return folder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

bool IsSafeFavoriteName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

std::optional<std::string> JoinFavoritePath(const std::string& folder, std::string_view parent,
                                            std::string_view name) {
  if (folder.empty() || folder.find('\0') != std::string::npos) return std::nullopt;
  if (!IsSafeFavoriteName(name)) return std::nullopt;
  if (!parent.empty() && !IsSafeFavoriteName(parent)) return std::nullopt;
  std::string path = folder;
  if (!parent.empty()) {
    path += '/';
    path += parent;
  }
  path += '/';
  path += name;
  return path;
}

bool IsShortcutName(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view ending = name.substr(name.size() - 4);
  static constexpr std::string_view kLower = ".url";
  for (std::size_t i = 0; i < 4; ++i) {
    char c = ending[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kLower[i]) return false;
  }
  return true;
}

}  // namespace orvanta
