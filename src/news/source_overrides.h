// What a user's sources file puts in place of the built-in feeds.
#pragma once

#include <array>
#include <map>
#include <optional>

#include "news/news_feed_slots.h"
#include "text/text.h"

namespace orvanta {

inline constexpr std::string_view kKeywordPlaceholder = "{keyword}";

// How a keyword is written into its addresses: percent escapes of its GBK or UTF-8 bytes.
enum class KeywordEncoding { kGbk, kUtf8 };

struct KeywordTemplates {
  std::array<Text, 5> addresses;  // each holds kKeywordPlaceholder, or is empty
  KeywordEncoding encoding = KeywordEncoding::kGbk;
};

// Rows not named here, and the keyword feeds when none are given, stay built in.
struct SourceOverrides {
  std::map<Text, NewsFeedSlots, std::less<>> rows;  // by topic or region number
  std::optional<KeywordTemplates> keyword;
};

}  // namespace orvanta
