// What the subscription tree shows: the root, the stored keywords in file order, the help item.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// Item data that tells a double-click what an item of the tree is.
inline constexpr int kKeywordItemData = 101;
inline constexpr int kSubscriptionRootItemData = 102;
inline constexpr int kSubscriptionHelpItemData = 105;

const Text& SubscriptionRootText();  // "资讯订阅关键字"
const Text& SubscriptionHelpText();  // "如何设定修改资讯关键字"

// The keywords of the file's text, in file order; entries without "id=" are skipped.
TextArray SubscriptionKeywords(std::string_view fileText);

struct SubscriptionKeywordList {
  TextArray keywords;
  std::optional<Text> errorMessage;  // the file could not be created or read
};

// Reads the file at path (creating it with the defaults when missing).
SubscriptionKeywordList ReadSubscriptionKeywords(const std::string& path);

}  // namespace orvanta
