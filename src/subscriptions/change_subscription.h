// Subscribing and unsubscribing a keyword, with the message that tells the user what happened.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

inline constexpr int kMaxSubscriptions = 60;

enum class SubscriptionOutcome {
  kEmptyKeyword,
  kRefusedKeyword,  // would break the file format
  kAlreadySubscribed,
  kLimitReached,
  kSubscribed,
  kUnsubscribed,
  kNotSubscribed,
  kFileError,  // the file could not be read or written; the list is as it was
};

struct SubscriptionChange {
  SubscriptionOutcome outcome;
  Text message;                 // shown in a message box captioned kSubscriptionCaption
  std::optional<Text> newText;  // the file's new content, only when it changes
  bool RefillTree() const { return newText.has_value(); }
};

// False for keywords that the file cannot hold: a double quote or "<USER" would end the
// entry early, "$$" would split it, the account tags would be stripped from it on the next
// subscription, and the file holds no line breaks.
bool IsStorableKeyword(std::string_view keyword);

// The change on the file's text alone; flag 1 subscribes, any other value unsubscribes.
SubscriptionChange ApplySubscriptionChange(std::string_view fileText, std::string_view keyword,
                                           int flag);

// Reads the file at path, applies the change and writes the file back when it changed. On a
// write failure the outcome is kFileError and the file keeps its old list.
SubscriptionChange ChangeSubscription(const std::string& path, std::string_view keyword, int flag);

}  // namespace orvanta
