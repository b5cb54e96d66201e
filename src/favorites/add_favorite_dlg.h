// Adding the current page to the favorites: a name and a folder below the favorites folder.
#pragma once

#include <string>

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "text/text.h"

namespace orvanta {

// The add-favorite dialog for a page of that title and address, in the favorites folder;
// nothing without a home to keep favorites in, and nothing is said.
void AddFavoriteOfPage(wxWindow* parent, Text title, const Text& address);

class CAddFavoriteDlg : public wxDialog {
 public:
  // title and address as the browser reports them (code page 936).
  CAddFavoriteDlg(wxWindow* parent, std::string favoritesFolder, const Text& title, Text address);

  wxTextCtrl* NameBox() const { return m_pName; }
  wxChoice* FolderChoice() const { return m_pFolder; }
  // The shortcut file written on confirmation; empty until then.
  const std::string& ShortcutPath() const { return m_strShortcutPath; }

 private:
  void OnOk(wxCommandEvent& event);

  std::string m_strFavoritesFolder;
  Text m_strAddress;
  std::string m_strShortcutPath;
  wxTextCtrl* m_pName = nullptr;
  wxChoice* m_pFolder = nullptr;
};

}  // namespace orvanta
