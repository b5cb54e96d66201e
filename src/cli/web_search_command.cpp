#include <ostream>

#include "cli/cli_command.h"
#include "search/web_search.h"

namespace orvanta::cli {
namespace {

// Prints the address the search box would load; nothing when the keyword box holds
// nothing to search for.
int RunWebSearch(CommandContext& context) {
  if (context.arguments.size() != 2) return kUsageError;
  const Text& keyword = context.arguments[1];
  if (IsMissingKeyword(keyword)) return kSuccess;
  context.out << BuildWebSearchAddress(context.arguments[0], keyword) << "\n";
  return kSuccess;
}

const CommandRegistrar kWebSearch{{"web-search", "ENGINE_TEXT KEYWORD", RunWebSearch}};

}  // namespace
}  // namespace orvanta::cli
