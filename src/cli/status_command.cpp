#include <ostream>

#include "cli/cli_command.h"
#include "jobs/link_route.h"

namespace orvanta::cli {
namespace {

int RunStatus(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  context.out << StatusLineText(context.arguments[0]) << "\n";
  return kSuccess;
}

const CommandRegistrar kStatus{{"status", "TEXT", RunStatus}};

}  // namespace
}  // namespace orvanta::cli
