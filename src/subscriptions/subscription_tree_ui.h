// The subscription list in a page's side tree.
#pragma once

#include <optional>

#include <wx/treectrl.h>

#include "text/text.h"

namespace orvanta {

// The number a tree item carries: 101 keyword, 102 root, 105 help; others are favorites.
class CTreeItemNumber : public wxTreeItemData {
 public:
  explicit CTreeItemNumber(long number) : m_nNumber(number) {}
  long Number() const { return m_nNumber; }

 private:
  long m_nNumber;
};

// Rebuilds the tree from the subscription file: the root with the keywords in file order,
// expanded, then the help item. The message to show when the file could not be read.
std::optional<Text> FillSubscriptionItems(wxTreeCtrl& tree);

// The item's number, 0 when it carries none.
long TreeItemNumber(const wxTreeCtrl& tree, const wxTreeItemId& item);

}  // namespace orvanta
