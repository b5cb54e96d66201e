#include "favorites/favorites_tree.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "favorites/favorite_path.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

struct FolderEntries {
  std::vector<std::string> folders;
  std::vector<std::string> shortcuts;
};

// One level of a folder; entries whose type cannot be read are left out.
FolderEntries ListFolder(const std::string& path) {
  FolderEntries entries;
  std::error_code error;
  fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().string();
    std::error_code statusError;
    const fs::file_status status = it->status(statusError);  // links count as their target
    if (statusError) continue;
    if (fs::is_directory(status)) {
      entries.folders.push_back(std::move(name));
    } else if (fs::is_regular_file(status) && IsShortcutName(name)) {
      entries.shortcuts.push_back(std::move(name));
    }
  }
  std::sort(entries.folders.begin(), entries.folders.end());
  std::sort(entries.shortcuts.begin(), entries.shortcuts.end());
  return entries;
}

}  // namespace

std::vector<FavoriteItem> ReadFavoritesTree(const std::string& folder) {
  std::vector<FavoriteItem> tree;
  if (folder.empty()) return tree;
  FolderEntries top = ListFolder(folder);
  for (std::string& name : top.folders) {
    FavoriteItem item;
    item.folder = true;
    item.shortcuts = ListFolder(folder + "/" + name).shortcuts;
    item.name = std::move(name);
    tree.push_back(std::move(item));
  }
  for (std::string& name : top.shortcuts) tree.push_back({std::move(name), false, {}});
  return tree;
}

}  // namespace orvanta
