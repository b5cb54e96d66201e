// The two levels of the favorites folder that the side tree shows.
#pragma once

#include <string>
#include <vector>

namespace orvanta {

// Names are as found on disk (file-system bytes, UTF-8 here), shortcuts with their ".url".
struct FavoriteItem {
  std::string name;
  bool folder = false;
  std::vector<std::string> shortcuts;  // a folder's own shortcut files
};

// Each sub-folder of folder with its shortcut files, then the shortcut files of folder
// itself; deeper folders and other files are left out. Names are sorted by their bytes, as
// the directory order of this file system means nothing to the user. An empty or missing
// folder gives an empty tree.
std::vector<FavoriteItem> ReadFavoritesTree(const std::string& folder);

}  // namespace orvanta
