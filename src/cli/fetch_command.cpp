#include <ostream>

#include "cli/cli_command.h"
#include "news/fetch_feed.h"

namespace orvanta::cli {
namespace {

int RunFetch(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  const Text feed = FetchFeed(context.arguments[0]);
  context.out << feed;
  return feed.empty() ? kFailure : kSuccess;  // the system's one sign of a failed download
}

const CommandRegistrar kFetch{{"fetch", "ADDRESS", RunFetch}};

}  // namespace
}  // namespace orvanta::cli
