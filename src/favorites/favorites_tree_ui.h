// The favorites in a page's side tree.
#pragma once

#include <wx/choice.h>
#include <wx/string.h>
#include <wx/treectrl.h>

#include <string>
#include <vector>

#include "favorites/favorites_tree.h"

namespace orvanta {

// Replaces whatever the tree shows with the two levels of the favorites folder (made first
// when missing): image 1, selected image 2, no item data.
void FillFavoritesTree(wxTreeCtrl& tree);

// Appends the two levels below a new hidden root of an empty tree.
void AppendFavoriteItems(wxTreeCtrl& tree, const std::vector<FavoriteItem>& items);

// The top of the favorites folder first, then each of its sub-folders.
void FillFolderChoice(wxChoice& choice, const std::vector<FavoriteItem>& items);
// The sub-folder chosen, empty for the top.
std::string ChosenSubfolder(const wxChoice& choice);

// The item's parent folder name (empty at the top) and its own name.
struct FavoriteItemName {
  std::string parent;
  std::string name;
};
FavoriteItemName TreeItemName(const wxTreeCtrl& tree, const wxTreeItemId& item);

// Reads the favorite behind item into the shared state; other items leave it as it was.
void ReadTreeFavorite(const wxTreeCtrl& tree, const wxTreeItemId& item);

// Whether item names a shortcut file rather than a folder.
bool IsFavoriteShortcutItem(const wxTreeCtrl& tree, const wxTreeItemId& item);

// Names on disk are file-system bytes; invalid UTF-8 still shows and reads back the same.
wxString FromFileName(const std::string& name);
std::string ToFileName(const wxString& name);

}  // namespace orvanta
