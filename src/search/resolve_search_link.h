// What a search pseudo-link of a generated page asks for.
#pragma once

#include "text/text.h"

namespace orvanta {

struct SearchLinkAction {
  enum class Kind {
    kNothing,          // unknown option: nothing opens
    kOpenAddress,      // open value in a new secondary window
    kShowMessage,      // show value (caption "Orvanta"), open nothing
    kKeywordNewsPage,  // the system's own engine: keyword news for value on the calling page
    kTopicNewsPage,    // the system's own engine without a keyword: topic value ("1")
  };
  Kind kind = Kind::kNothing;
  Text value;

  friend bool operator==(const SearchLinkAction&, const SearchLinkAction&) = default;
};

// The option number is compared as text for exact equality: "07" and "7 " are unknown.
SearchLinkAction ResolveSearchLink(const Text& engineNumber, const Text& keyword);

// "请输入搜索关键字", for the engines that have no home address.
const Text& MissingSearchKeywordMessage();

}  // namespace orvanta
