#include <ostream>

#include "cli/cli_command.h"
#include "news/fetch_feed.h"

namespace orvanta::cli {
namespace {

int RunFetch(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  context.out << FetchFeed(context.arguments[0]);
  return kSuccess;
}

const CommandRegistrar kFetch{{"fetch", "ADDRESS", RunFetch}};

}  // namespace
}  // namespace orvanta::cli
