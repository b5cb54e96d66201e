#include "favorites/add_favorite_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "favorites/favorite_messages.h"
#include "favorites/favorite_path.h"
#include "favorites/favorites_tree.h"
#include "favorites/favorites_tree_ui.h"
#include "favorites/organize_favorites.h"
#include "files/write_failure_message.h"
#include "gui/message_box_ui.h"

namespace orvanta {
namespace {

// The proposed name without its ending: the user edits the title, not a file name.
wxString ProposedName(const Text& title) {
  std::string name = ShortcutNameForTitle(title);
  name.resize(name.size() - 4);
  return FromFileName(name);
}

}  // namespace

CAddFavoriteDlg::CAddFavoriteDlg(wxWindow* parent, std::string favoritesFolder, const Text& title,
                                 Text address)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8("添加到收藏夹")),
      m_strFavoritesFolder(std::move(favoritesFolder)),
      m_strAddress(std::move(address)) {
  m_pName = new wxTextCtrl(this, wxID_ANY, ProposedName(title), wxDefaultPosition, wxSize(320, -1));
  m_pFolder = new wxChoice(this, wxID_ANY);
  FillFolderChoice(*m_pFolder, ReadFavoritesTree(m_strFavoritesFolder));

  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8("名称：")), 0,
            wxALIGN_CENTER_VERTICAL);
  grid->Add(m_pName, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8("创建到：")), 0,
            wxALIGN_CENTER_VERTICAL);
  grid->Add(m_pFolder, 1, wxEXPAND);
  auto* buttons = new wxStdDialogButtonSizer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8("确定"));
  // Enter in the name box saves, as in every dialog of the desktop.
  ok->SetDefault();
  buttons->AddButton(ok);
  buttons->AddButton(new wxButton(this, wxID_CANCEL, wxString::FromUTF8("取消")));
  buttons->Realize();
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(grid, 0, wxEXPAND | wxALL, 12);
  column->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  SetSizerAndFit(column);
  Bind(wxEVT_BUTTON, &CAddFavoriteDlg::OnOk, this, wxID_OK);
}

void CAddFavoriteDlg::OnOk(wxCommandEvent&) {
  std::string name = ToFileName(m_pName->GetValue().Strip(wxString::both));
  if (!IsSafeFavoriteName(name)) {
    ShowWindowMessageBox(*FavoriteOutcomeMessage(FavoriteOutcome::kUnsafeName));
    return;  // the user may correct the name
  }
  if (!IsShortcutName(name)) name += ".url";
  const std::string subfolder = ChosenSubfolder(*m_pFolder);
  const std::string path = *JoinFavoritePath(m_strFavoritesFolder, subfolder, name);
  if (AddFavorite(m_strFavoritesFolder, subfolder, name, m_strAddress) == FavoriteOutcome::kDone)
    m_strShortcutPath = path;
  else
    ShowAppMessageBox(WriteFailureMessage(path));  // a full disk, say: nothing was saved
  EndModal(wxID_OK);
}

void AddFavoriteOfPage(wxWindow* parent, Text title, const Text& address) {
  const std::string folder = FavoritesFolderPath();
  if (folder.empty()) return;
  if (title.size() > 259) title.resize(259);
  CAddFavoriteDlg dialog(parent, folder, title, address);
  dialog.ShowModal();
}

}  // namespace orvanta
