#include <ostream>

#include "cli/cli_command.h"
#include "jobs/link_route.h"

namespace orvanta::cli {
namespace {

// ADDRESS is what the pointer rests on when the click comes, on a page that has remembered
// nothing before.
int RunRoute(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  Text hoverUrl;
  RememberHoverUrl(hoverUrl, context.arguments[0]);
  const LinkAction action = DecideNewWindow(hoverUrl);
  std::ostream& out = context.out;
  switch (action.kind) {
    case LinkActionKind::kChangeSubscription:
      out << "subscribe " << action.keyword << " " << action.flag;
      break;
    case LinkActionKind::kOpenTopic:
      out << "topic " << action.number;
      break;
    case LinkActionKind::kKeywordNews:
      out << "keyword " << action.keyword;
      break;
    case LinkActionKind::kOpenAddress:
      out << "open " << action.address;
      break;
    case LinkActionKind::kShowMessage:
      out << "message " << action.message;
      break;
    case LinkActionKind::kOpenInNewWindow:
      out << "window";
      break;
    case LinkActionKind::kNothing:
      out << "nothing";
      break;
  }
  out << "\n";
  return kSuccess;
}

const CommandRegistrar kRoute{{"route", "ADDRESS", RunRoute}};

}  // namespace
}  // namespace orvanta::cli
