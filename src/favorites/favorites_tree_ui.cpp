#include "favorites/favorites_tree_ui.h"

#include "favorites/favorite_path.h"
#include "favorites/favorites_state.h"

namespace orvanta {

wxString FromFileName(const std::string& name) { return wxString(name.c_str(), *wxConvFileName); }

std::string ToFileName(const wxString& name) {
  const wxCharBuffer bytes = name.fn_str();
  return bytes.data() ? std::string(bytes.data()) : std::string();
}

void AppendFavoriteItems(wxTreeCtrl& tree, const std::vector<FavoriteItem>& items) {
  const wxTreeItemId root = tree.AddRoot(wxString());
  for (const FavoriteItem& item : items) {
    const wxTreeItemId added = tree.AppendItem(root, FromFileName(item.name), 1, 2);
    for (const std::string& shortcut : item.shortcuts)
      tree.AppendItem(added, FromFileName(shortcut), 1, 2);
  }
}

void FillFavoritesTree(wxTreeCtrl& tree) {
  tree.DeleteAllItems();
  MakeFavoritesFolder();
  AppendFavoriteItems(tree, FavoritesState::Shared().ShowFavorites());
}

void FillFolderChoice(wxChoice& choice, const std::vector<FavoriteItem>& items) {
  choice.Clear();
  choice.Append(wxString::FromUTF8("收藏夹"));
  for (const FavoriteItem& item : items)
    if (item.folder) choice.Append(FromFileName(item.name));
  choice.SetSelection(0);
}

std::string ChosenSubfolder(const wxChoice& choice) {
  const int index = choice.GetSelection();
  return index <= 0 ? std::string() : ToFileName(choice.GetString(index));
}

FavoriteItemName TreeItemName(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  if (!item.IsOk()) return {};
  const wxTreeItemId parent = tree.GetItemParent(item);
  const bool topLevel = !parent.IsOk() || parent == tree.GetRootItem();
  return {topLevel ? std::string() : ToFileName(tree.GetItemText(parent)),
          ToFileName(tree.GetItemText(item))};
}

void ReadTreeFavorite(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  if (!item.IsOk()) return;
  const FavoriteItemName name = TreeItemName(tree, item);
  FavoritesState::Shared().ReadSelectedFavorite(name.parent, name.name);
}

bool IsFavoriteShortcutItem(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  return item.IsOk() && IsShortcutName(ToFileName(tree.GetItemText(item)));
}

}  // namespace orvanta
