#include <string>

#include "cli/cli_command.h"
#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_file.h"

namespace orvanta::cli {
namespace {

// The list is as asked when the keyword was added or taken out, or already was or was not in
// it; a keyword refused or beyond the limit, or a file that failed, changed nothing asked for.
bool ListIsAsAsked(SubscriptionOutcome outcome) {
  switch (outcome) {
    case SubscriptionOutcome::kSubscribed:
    case SubscriptionOutcome::kUnsubscribed:
    case SubscriptionOutcome::kAlreadySubscribed:
    case SubscriptionOutcome::kNotSubscribed:
      return true;
    case SubscriptionOutcome::kEmptyKeyword:
    case SubscriptionOutcome::kRefusedKeyword:
    case SubscriptionOutcome::kLimitReached:
    case SubscriptionOutcome::kFileError:
      return false;
  }
  return false;
}

// flag 1 subscribes, 0 unsubscribes, as the page's pseudo-links say.
int ChangeFromCommandLine(CommandContext& context, int flag) {
  if (context.arguments.size() != 1) return kUsageError;
  const std::string path(kSubscriptionFileName);
  EnsureSubscriptionFolder(path);  // a failure shows up as the store's own message
  const SubscriptionChange change = ChangeSubscription(path, context.arguments[0], flag);
  context.Tell(change.message);
  return ListIsAsAsked(change.outcome) ? kSuccess : kFailure;
}

const CommandRegistrar kSubscribe{{"subscribe", "KEYWORD", [](CommandContext& context) {
                                     return ChangeFromCommandLine(context, 1);
                                   }}};
const CommandRegistrar kUnsubscribe{{"unsubscribe", "KEYWORD", [](CommandContext& context) {
                                       return ChangeFromCommandLine(context, 0);
                                     }}};

}  // namespace
}  // namespace orvanta::cli
