#include <ostream>

#include "cli/cli_command.h"
#include "search/resolve_search_link.h"

namespace orvanta::cli {
namespace {

// Prints what a search pseudo-link opens: an address, or the message shown instead.
// The system's own engine opens a news page, not an address, and prints nothing.
int RunSearch(CommandContext& context) {
  if (context.arguments.empty() || context.arguments.size() > 2) return kUsageError;
  const Text keyword = context.arguments.size() == 2 ? context.arguments[1] : Text();
  const SearchLinkAction action = ResolveSearchLink(context.arguments[0], keyword);
  using Kind = SearchLinkAction::Kind;
  if (action.kind == Kind::kOpenAddress) context.out << action.value << "\n";
  if (action.kind == Kind::kShowMessage) context.Tell(action.value);
  return kSuccess;
}

const CommandRegistrar kSearch{{"search", "NUMBER [KEYWORD]", RunSearch}};

}  // namespace
}  // namespace orvanta::cli
