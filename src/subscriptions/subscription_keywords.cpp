#include "subscriptions/subscription_keywords.h"

#include "subscriptions/subscription_entry.h"
#include "subscriptions/subscription_file.h"
#include "text/code_page.h"

namespace orvanta {

const Text& SubscriptionRootText() {
  static const Text text = Gbk("资讯订阅关键字");
  return text;
}

const Text& SubscriptionHelpText() {
  static const Text text = Gbk("如何设定修改资讯关键字");
  return text;
}

TextArray SubscriptionKeywords(std::string_view fileText) {
  const TextArray entries = SubscriptionEntryList(fileText);
  TextArray keywords;
  for (std::size_t i = 1; i < entries.size(); ++i)
    if (std::optional<Text> keyword = EntryKeyword(entries[i])) keywords.push_back(*keyword);
  return keywords;
}

SubscriptionKeywordList ReadSubscriptionKeywords(const std::string& path) {
  const SubscriptionFileText file = ReadSubscriptionFile(path);
  if (!file.text) return {TextArray(), file.errorMessage};
  return {SubscriptionKeywords(*file.text), std::nullopt};
}

}  // namespace orvanta
