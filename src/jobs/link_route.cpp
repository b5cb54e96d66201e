#include "jobs/link_route.h"

#include "text/pseudo_link.h"
#include "text/split_text.h"

namespace orvanta {
namespace {

TextArray Fields(std::string_view address) {
  TextArray fields;
  SplitText(address, fields, "#");
  return fields;
}

LinkAction SearchAction(const TextArray& fields, const SearchResolver& resolveSearch) {
  LinkAction action;
  action.target = NewWindowTarget::kThisPage;  // the cancel flag stays as delivered
  const Text keyword = ItemAt(fields, 1);
  const Text option = ItemAt(fields, 2);
  if (option == "1") {
    if (keyword.empty()) {
      action.kind = LinkActionKind::kOpenTopic;
      action.number = "1";
    } else {
      action.kind = LinkActionKind::kKeywordNews;
      action.keyword = keyword;
    }
    return action;
  }
  if (!resolveSearch) return action;
  SearchLinkAction found = resolveSearch(option, keyword);
  switch (found.kind) {
    case SearchLinkAction::Kind::kOpenAddress:
      action.kind = LinkActionKind::kOpenAddress;
      action.address = std::move(found.value);
      break;
    case SearchLinkAction::Kind::kShowMessage:
      action.kind = LinkActionKind::kShowMessage;
      action.message = std::move(found.value);
      break;
    case SearchLinkAction::Kind::kKeywordNewsPage:
      action.kind = LinkActionKind::kKeywordNews;
      action.keyword = std::move(found.value);
      break;
    case SearchLinkAction::Kind::kTopicNewsPage:
      action.kind = LinkActionKind::kOpenTopic;
      action.number = std::move(found.value);
      break;
    case SearchLinkAction::Kind::kNothing:
      break;
  }
  return action;
}

LinkAction OrdinaryLink() {
  LinkAction action;
  action.kind = LinkActionKind::kOpenInNewWindow;
  action.cancel = false;
  action.target = NewWindowTarget::kNewWindow;
  return action;
}

}  // namespace

bool RememberHoverUrl(Text& hoverUrl, std::string_view statusText) {
  if (!ContainsBeyondStart(statusText, "ttp://")) return false;
  hoverUrl = Text(statusText);
  return true;
}

Text StatusLineText(std::string_view statusText) {
  for (std::string_view own : {"temp/~", "ttp://dy/#", "sc/jz", "ttp://ss/#", "ttp://dh/#"})
    if (ContainsBeyondStart(statusText, own)) return " Orvanta";
  return " " + Text(statusText);
}

LinkAction DecideNewWindow(std::string_view hoverUrl, const SearchResolver& resolveSearch) {
  LinkAction action;
  if (ContainsBeyondStart(hoverUrl, "ttp://dy/#")) {
    const TextArray fields = Fields(hoverUrl);
    action.cancel = true;
    if (!ItemAt(fields, 1).empty()) {
      action.kind = LinkActionKind::kChangeSubscription;
      action.keyword = ItemAt(fields, 1);
      action.flag = ItemAt(fields, 2) == "1" ? 1 : 0;
    }
    return action;
  }
  if (ContainsBeyondStart(hoverUrl, "ttp://dh/#")) {
    const TextArray fields = Fields(hoverUrl);
    action.cancel = true;
    if (!ItemAt(fields, 1).empty()) {
      action.kind = LinkActionKind::kOpenTopic;
      action.number = ItemAt(fields, 1);
    }
    return action;
  }
  if (ContainsBeyondStart(hoverUrl, "ttp://ss/#"))
    return SearchAction(Fields(hoverUrl), resolveSearch);
  return OrdinaryLink();
}

LinkAction RouteNewWindow(std::string_view hoverUrl, bool hoverFromOwnPage,
                          std::string_view requestUrl, const SearchResolver& resolveSearch) {
  const std::string_view requested = PseudoLinkForm(requestUrl);
  if (requested.empty()) return OrdinaryLink();
  if (hoverFromOwnPage && PseudoLinkForm(hoverUrl) == requested)
    return DecideNewWindow(hoverUrl, resolveSearch);
  LinkAction nothing;
  nothing.cancel = true;
  return nothing;
}

}  // namespace orvanta
