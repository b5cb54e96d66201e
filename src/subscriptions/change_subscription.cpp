#include "subscriptions/change_subscription.h"

#include "subscriptions/subscription_entry.h"
#include "subscriptions/subscription_file.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

Text Quoted(std::string_view before, std::string_view keyword, std::string_view after) {
  Text message(before);
  message += keyword;
  message += after;
  return message;
}

const Text& LimitMessage() {
  static const Text message =
      Gbk("抱歉，您订阅的关键字超过了60个，\r\n\r\n"
          "请删除不常用的关键字，\r\n\r\n"
          "然后再订阅新的关键字即可!");
  return message;
}

SubscriptionChange Subscribe(std::string_view fileText, std::string_view keyword) {
  static const Text already = Gbk("已订阅此关键字!");
  static const Text before = Gbk("成功订阅“");
  static const Text after = Gbk("”资讯。");
  if (ContainsBeyondStart(fileText, "id=\"" + Text(keyword) + "\""))
    return {SubscriptionOutcome::kAlreadySubscribed, already, std::nullopt};
  if (SubscriptionEntryList(fileText).size() > kMaxSubscriptions)
    return {SubscriptionOutcome::kLimitReached, LimitMessage(), std::nullopt};
  Text rest = ReplaceAll(fileText, "</Account>", "");
  ReplaceInPlace(rest, "<Account>", "");
  Text text = "<Account>" + MakeSubscriptionEntry(keyword) + rest + "</Account>";
  return {SubscriptionOutcome::kSubscribed, Quoted(before, keyword, after), std::move(text)};
}

SubscriptionChange Unsubscribe(std::string_view fileText, std::string_view keyword) {
  static const Text doneBefore = Gbk("成功取消“");
  static const Text doneAfter = Gbk("”关键字的订阅。");
  static const Text missingBefore = Gbk("您未订阅“");
  static const Text missingAfter = Gbk("”关键字。");
  const TextArray entries = SubscriptionEntryList(fileText);
  Text kept;
  bool found = false;
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (EntryKeyword(entries[i]) == keyword) {
      found = true;
    } else {
      kept += "<USER";
      kept += entries[i];
    }
  }
  if (!found)
    return {SubscriptionOutcome::kNotSubscribed, Quoted(missingBefore, keyword, missingAfter),
            std::nullopt};
  // The last entry carries the closing tag; the file ends in exactly one.
  ReplaceInPlace(kept, "</Account>", "");
  return {SubscriptionOutcome::kUnsubscribed, Quoted(doneBefore, keyword, doneAfter),
          "<Account>" + kept + "</Account>"};
}

}  // namespace

bool IsStorableKeyword(std::string_view keyword) {
  for (std::string_view forbidden : {"\"", "<USER", "$$", "<Account>", "</Account>", "\r", "\n"})
    if (Find(keyword, forbidden) >= 0) return false;
  return true;
}

SubscriptionChange ApplySubscriptionChange(std::string_view fileText, std::string_view keyword,
                                           int flag) {
  static const Text empty = Gbk("订阅关键字不能为空！");
  static const Text refused = Gbk("订阅关键字不能含有双引号、“<USER”、“$$”或换行等字符！");
  if (keyword.empty()) return {SubscriptionOutcome::kEmptyKeyword, empty, std::nullopt};
  if (flag != 1) return Unsubscribe(fileText, keyword);
  if (!IsStorableKeyword(keyword))
    return {SubscriptionOutcome::kRefusedKeyword, refused, std::nullopt};
  return Subscribe(fileText, keyword);
}

SubscriptionChange ChangeSubscription(const std::string& path, std::string_view keyword, int flag) {
  // The empty keyword is turned away before the file is touched, as it always was.
  if (keyword.empty()) return ApplySubscriptionChange(Text(), keyword, flag);
  const SubscriptionFileText file = ReadSubscriptionFile(path);
  if (!file.text) return {SubscriptionOutcome::kFileError, file.errorMessage, std::nullopt};
  SubscriptionChange change = ApplySubscriptionChange(*file.text, keyword, flag);
  if (change.newText) {
    if (std::optional<Text> failure = WriteSubscriptionFile(path, *change.newText)) {
      change = {SubscriptionOutcome::kFileError, std::move(*failure), std::nullopt};
    }
  }
  return change;
}

}  // namespace orvanta
