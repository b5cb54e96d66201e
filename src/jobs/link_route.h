// What a browser page does with the address under the pointer: the status line it shows and
// the answer to a new-window request raised by a click.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "search/resolve_search_link.h"
#include "text/text.h"

namespace orvanta {

// Replaces hoverUrl with text when text holds "ttp://" beyond its first character; other
// status texts (local files, scripts) leave the remembered address as it was. True when it
// replaced it.
bool RememberHoverUrl(Text& hoverUrl, std::string_view statusText);

// " Orvanta" for the program's own pages and pseudo-links, otherwise a blank and the text.
Text StatusLineText(std::string_view statusText);

enum class LinkActionKind {
  kChangeSubscription,  // keyword, flag
  kOpenTopic,           // number, on this page
  kKeywordNews,         // keyword, on this page
  kOpenAddress,         // address, in a new secondary window with its tree hidden
  kShowMessage,         // message, caption "Orvanta"
  kOpenInNewWindow,     // the link itself loads in a new secondary window
  kNothing,
};

// Where the control is told to load the new window's content.
enum class NewWindowTarget {
  kAsDelivered,
  kThisPage,   // this page's own control
  kNewWindow,  // the control of the secondary window just created
};

struct LinkAction {
  LinkActionKind kind = LinkActionKind::kNothing;
  Text keyword;
  int flag = 0;  // 1 subscribes, 0 unsubscribes
  Text number;
  Text address;
  Text message;
  std::optional<bool> cancel;  // nothing leaves the cancel flag as delivered
  NewWindowTarget target = NewWindowTarget::kAsDelivered;
};

// The engine table's answer for an option number (as text) and a keyword.
using SearchResolver = std::function<SearchLinkAction(const Text& option, const Text& keyword)>;

// The decision for a new-window request on the remembered hovered address. Searches with an
// engine other than the program's own are resolved through resolveSearch, by default the
// engine table.
LinkAction DecideNewWindow(std::string_view hoverUrl,
                           const SearchResolver& resolveSearch = ResolveSearchLink);

// The decision when the hovered address may come from anywhere, for a request whose own
// address is requestUrl: only a request for a pseudo-link that a link of the program's own
// pages, hovered last, begins as too is routed as one; a request for any other pseudo-link
// opens nothing; every other request is an ordinary link, whatever was hovered before.
LinkAction RouteNewWindow(std::string_view hoverUrl, bool hoverFromOwnPage,
                          std::string_view requestUrl,
                          const SearchResolver& resolveSearch = ResolveSearchLink);

}  // namespace orvanta
