#include <unistd.h>

#include <iostream>
#include <string>

#include "cli/cli_command.h"
#include "cli/person_text.h"
#include "subscriptions/subscription_file.h"
#include "subscriptions/subscription_keywords.h"

namespace orvanta::cli {
namespace {

int RunSubscriptions(CommandContext& context) {
  if (!context.arguments.empty()) return kUsageError;
  const std::string path(kSubscriptionFileName);
  EnsureSubscriptionFolder(path);
  const SubscriptionKeywordList list = ReadSubscriptionKeywords(path);
  if (list.errorMessage) {
    std::cerr << ForReader(STDERR_FILENO, *list.errorMessage) << "\n";
    return kFailure;
  }
  for (const Text& keyword : list.keywords) context.Tell(keyword);
  return kSuccess;
}

const CommandRegistrar kSubscriptions{{"subscriptions", "", RunSubscriptions}};

}  // namespace
}  // namespace orvanta::cli
