#include <iostream>
#include <string>

#include "cli/cli_command.h"
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
    std::cerr << *list.errorMessage << "\n";
    return 1;
  }
  for (const Text& keyword : list.keywords) context.out << keyword << "\n";
  return kSuccess;
}

const CommandRegistrar kSubscriptions{{"subscriptions", "", RunSubscriptions}};

}  // namespace
}  // namespace orvanta::cli
