#include <ostream>

#include "cli/cli_command.h"
#include "news/clean_field.h"

namespace orvanta::cli {
namespace {

int RunClean(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  context.out << CleanField(ReadAll(context.in), context.arguments[0]);
  return kSuccess;
}

const CommandRegistrar kClean{{"clean", "MARKER < FIELD", RunClean}};

}  // namespace
}  // namespace orvanta::cli
