#include "search/resolve_search_link.h"

#include "search/page_engine_table.h"
#include "text/code_page.h"

namespace orvanta {

const Text& MissingSearchKeywordMessage() {
  static const Text message = Gbk("请输入搜索关键字");
  return message;
}

SearchLinkAction ResolveSearchLink(const Text& engineNumber, const Text& keyword) {
  using Kind = SearchLinkAction::Kind;
  if (engineNumber == "1") {
    if (!keyword.empty()) return {Kind::kKeywordNewsPage, keyword};
    return {Kind::kTopicNewsPage, "1"};
  }
  const PageEngine* engine = FindPageEngine(engineNumber);
  if (engine == nullptr) return {};
  if (!keyword.empty()) return {Kind::kOpenAddress, BuildQueryAddress(*engine, keyword)};
  if (!engine->hasHome) return {Kind::kShowMessage, MissingSearchKeywordMessage()};
  return {Kind::kOpenAddress, BuildHomeAddress(*engine)};
}

}  // namespace orvanta
