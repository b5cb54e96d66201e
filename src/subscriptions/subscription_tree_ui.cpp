#include "subscriptions/subscription_tree_ui.h"

#include <wx/wupdlock.h>

#include <string>

#include "gui/widget_text_ui.h"
#include "subscriptions/subscription_file.h"
#include "subscriptions/subscription_keywords.h"

namespace orvanta {

std::optional<Text> FillSubscriptionItems(wxTreeCtrl& tree) {
  // Frozen while it is refilled, the tree lays its items out once, when it thaws, instead of
  // painting the old layout first and then again when it is next idle.
  const wxWindowUpdateLocker frozen(&tree);
  tree.DeleteAllItems();
  // The tree's own root stays hidden; the subscription root and the help item sit under it.
  const wxTreeItemId hidden = tree.AddRoot(wxEmptyString);
  const SubscriptionKeywordList list = ReadSubscriptionKeywords(std::string(kSubscriptionFileName));
  const wxTreeItemId root = tree.AppendItem(hidden, FromLocal(SubscriptionRootText()), 1, 2,
                                            new CTreeItemNumber(kSubscriptionRootItemData));
  for (const Text& keyword : list.keywords)
    tree.AppendItem(root, FromLocal(keyword), 1, 2, new CTreeItemNumber(kKeywordItemData));
  tree.Expand(root);
  tree.AppendItem(hidden, FromLocal(SubscriptionHelpText()), 2, 1,
                  new CTreeItemNumber(kSubscriptionHelpItemData));
  return list.errorMessage;
}

long TreeItemNumber(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  if (!item.IsOk()) return 0;
  const auto* data = dynamic_cast<const CTreeItemNumber*>(tree.GetItemData(item));
  return data ? data->Number() : 0;
}

}  // namespace orvanta
