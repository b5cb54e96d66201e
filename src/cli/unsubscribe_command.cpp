#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_file.h"

namespace orvanta::cli {
namespace {

int RunUnsubscribe(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  const std::string path(kSubscriptionFileName);
  EnsureSubscriptionFolder(path);  // a failure shows up as the store's own message
  const SubscriptionChange change = ChangeSubscription(path, context.arguments[0], 0);
  context.out << change.message << "\n";
  return change.outcome == SubscriptionOutcome::kFileError ? 1 : kSuccess;
}

const CommandRegistrar kUnsubscribe{{"unsubscribe", "KEYWORD", RunUnsubscribe}};

}  // namespace
}  // namespace orvanta::cli
