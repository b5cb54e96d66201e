// Renaming, moving and deleting favorites, always inside the favorites folder.
#pragma once

#include <optional>
#include <string>

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "favorites/favorites_tree_ui.h"
#include "favorites/organize_favorites.h"

namespace orvanta {

// The organise dialog on the favorites folder, made when missing; an error box when it
// cannot be.
void OrganizeFavoritesFolder(wxWindow* parent);

class COrganizeFavoritesDlg : public wxDialog {
 public:
  enum { kRenameId = 2001, kMoveId, kDeleteId, kNewFolderId, kOpenFolderId };

  COrganizeFavoritesDlg(wxWindow* parent, std::string favoritesFolder);

  wxTreeCtrl* Items() const { return m_pItems; }
  // The new name for rename and for a new folder.
  wxTextCtrl* NameBox() const { return m_pName; }
  // Where move puts the selected item.
  wxChoice* TargetChoice() const { return m_pTarget; }

 private:
  void Refill();
  void OnSelected(wxTreeEvent& event);
  void OnRename(wxCommandEvent& event);
  void OnMove(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnNewFolder(wxCommandEvent& event);
  void OnOpenFolder(wxCommandEvent& event);
  // Tells the user what went wrong, else shows the folder as it is now.
  void Finish(FavoriteOutcome outcome);
  // The selected item; nothing, after telling the user, when none is selected.
  std::optional<FavoriteItemName> SelectedItem() const;
  std::string NewName() const;

  std::string m_strFavoritesFolder;
  wxTreeCtrl* m_pItems = nullptr;
  wxTextCtrl* m_pName = nullptr;
  wxChoice* m_pTarget = nullptr;
};

}  // namespace orvanta
