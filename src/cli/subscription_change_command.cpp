#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_file.h"

namespace orvanta::cli {
namespace {

// flag 1 subscribes, 0 unsubscribes, as the page's pseudo-links say.
int ChangeFromCommandLine(CommandContext& context, int flag) {
  if (context.arguments.size() != 1) return kUsageError;
  const std::string path(kSubscriptionFileName);
  EnsureSubscriptionFolder(path);  // a failure shows up as the store's own message
  const SubscriptionChange change = ChangeSubscription(path, context.arguments[0], flag);
  context.out << change.message << "\n";
  return change.outcome == SubscriptionOutcome::kFileError ? 1 : kSuccess;
}

const CommandRegistrar kSubscribe{
    {"subscribe", "KEYWORD", [](CommandContext& context) { return ChangeFromCommandLine(context, 1); }}};
const CommandRegistrar kUnsubscribe{
    {"unsubscribe", "KEYWORD", [](CommandContext& context) { return ChangeFromCommandLine(context, 0); }}};

}  // namespace
}  // namespace orvanta::cli
