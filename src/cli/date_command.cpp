#include <ostream>

#include "cli/cli_command.h"
#include "news/rewrite_date.h"

namespace orvanta::cli {
namespace {

int RunDate(CommandContext& context) {
  if (!context.arguments.empty()) return kUsageError;
  context.out << RewriteDate(ReadAll(context.in));
  return kSuccess;
}

const CommandRegistrar kDate{{"date", "< DATE", RunDate}};

}  // namespace
}  // namespace orvanta::cli
