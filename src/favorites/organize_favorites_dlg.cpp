#include "favorites/organize_favorites_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "favorites/favorite_messages.h"
#include "favorites/favorite_path.h"
#include "favorites/favorites_tree.h"
#include "favorites/favorites_tree_ui.h"
#include "gui/message_box_ui.h"
#include "gui/widget_text_ui.h"
#include "text/code_page.h"

namespace orvanta {

COrganizeFavoritesDlg::COrganizeFavoritesDlg(wxWindow* parent, std::string favoritesFolder)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8("整理收藏夹"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_strFavoritesFolder(std::move(favoritesFolder)) {
  m_pItems = new wxTreeCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(300, 320),
                            wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
  m_pName = new wxTextCtrl(this, wxID_ANY);
  m_pTarget = new wxChoice(this, wxID_ANY);

  auto* side = new wxBoxSizer(wxVERTICAL);
  side->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8("名称：")));
  side->Add(m_pName, 0, wxEXPAND | wxBOTTOM, 4);
  side->Add(new wxButton(this, kRenameId, wxString::FromUTF8("重命名")), 0, wxEXPAND | wxBOTTOM, 4);
  side->Add(new wxButton(this, kNewFolderId, wxString::FromUTF8("新建文件夹")), 0,
            wxEXPAND | wxBOTTOM, 12);
  side->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8("移动到：")));
  side->Add(m_pTarget, 0, wxEXPAND | wxBOTTOM, 4);
  side->Add(new wxButton(this, kMoveId, wxString::FromUTF8("移动")), 0, wxEXPAND | wxBOTTOM, 12);
  side->Add(new wxButton(this, kDeleteId, wxString::FromUTF8("删除")), 0, wxEXPAND | wxBOTTOM, 4);
  side->Add(new wxButton(this, kOpenFolderId, wxString::FromUTF8("打开文件夹")), 0,
            wxEXPAND | wxBOTTOM, 12);
  side->AddStretchSpacer();
  side->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8("关闭")), 0, wxEXPAND);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(m_pItems, 1, wxEXPAND | wxALL, 12);
  row->Add(side, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 12);
  SetSizerAndFit(row);

  m_pItems->Bind(wxEVT_TREE_SEL_CHANGED, &COrganizeFavoritesDlg::OnSelected, this);
  Bind(wxEVT_BUTTON, &COrganizeFavoritesDlg::OnRename, this, kRenameId);
  Bind(wxEVT_BUTTON, &COrganizeFavoritesDlg::OnMove, this, kMoveId);
  Bind(wxEVT_BUTTON, &COrganizeFavoritesDlg::OnDelete, this, kDeleteId);
  Bind(wxEVT_BUTTON, &COrganizeFavoritesDlg::OnNewFolder, this, kNewFolderId);
  Bind(wxEVT_BUTTON, &COrganizeFavoritesDlg::OnOpenFolder, this, kOpenFolderId);
  Refill();
}

void COrganizeFavoritesDlg::Refill() {
  const std::vector<FavoriteItem> items = ReadFavoritesTree(m_strFavoritesFolder);
  m_pItems->DeleteAllItems();
  AppendFavoriteItems(*m_pItems, items);
  m_pItems->ExpandAll();
  FillFolderChoice(*m_pTarget, items);
}

void COrganizeFavoritesDlg::OnSelected(wxTreeEvent& event) {
  // Proposes the current name, without the ending that rename keeps anyway.
  wxString name = m_pItems->GetItemText(event.GetItem());
  if (IsFavoriteShortcutItem(*m_pItems, event.GetItem())) name.RemoveLast(4);
  m_pName->ChangeValue(name);
}

std::optional<FavoriteItemName> COrganizeFavoritesDlg::SelectedItem() const {
  if (m_pItems->GetSelection().IsOk()) return TreeItemName(*m_pItems, m_pItems->GetSelection());
  ShowWindowMessageBox(Gbk("请先选择一项。"));
  return std::nullopt;
}

std::string COrganizeFavoritesDlg::NewName() const {
  return ToFileName(m_pName->GetValue().Strip(wxString::both));
}

void COrganizeFavoritesDlg::Finish(FavoriteOutcome outcome) {
  if (std::optional<Text> message = FavoriteOutcomeMessage(outcome)) {
    ShowWindowMessageBox(*message);
    return;
  }
  Refill();
}

void COrganizeFavoritesDlg::OnRename(wxCommandEvent&) {
  if (const auto item = SelectedItem())
    Finish(RenameFavorite(m_strFavoritesFolder, item->parent, item->name, NewName()));
}

void COrganizeFavoritesDlg::OnMove(wxCommandEvent&) {
  if (const auto item = SelectedItem())
    Finish(
        MoveFavorite(m_strFavoritesFolder, item->parent, item->name, ChosenSubfolder(*m_pTarget)));
}

void COrganizeFavoritesDlg::OnDelete(wxCommandEvent&) {
  const auto item = SelectedItem();
  if (!item) return;
  const Text question = Gbk("确实要删除“") + ToLocalText(FromFileName(item->name)) + Gbk("”吗？");
  if (!AskWindowQuestion(question)) return;
  Finish(DeleteFavorite(m_strFavoritesFolder, item->parent, item->name));
}

void COrganizeFavoritesDlg::OnNewFolder(wxCommandEvent&) {
  Finish(CreateFavoritesSubfolder(m_strFavoritesFolder, NewName()));
}

void COrganizeFavoritesDlg::OnOpenFolder(wxCommandEvent&) {
  wxLaunchDefaultApplication(FromFileName(m_strFavoritesFolder));
}

void OrganizeFavoritesFolder(wxWindow* parent) {
  const std::string folder = MakeFavoritesFolder();
  if (folder.empty()) {
    ShowErrorMessageBox(kNoFavoritesFolderMessage);
    return;
  }
  COrganizeFavoritesDlg dialog(parent, folder);
  dialog.ShowModal();
}

}  // namespace orvanta
