#include <cstdlib>
#include <ostream>

#include "cli/cli_command.h"
#include "pages/advert_script.h"

namespace orvanta::cli {
namespace {

int RunAdvert(CommandContext& context) {
  if (context.arguments.size() != 1 || context.arguments[0].empty()) return kUsageError;
  char* end = nullptr;
  const long number = std::strtol(context.arguments[0].c_str(), &end, 10);
  if (*end != '\0') return kUsageError;
  context.out << BuildAdvertScript(static_cast<int>(number));
  return kSuccess;
}

const CommandRegistrar kAdvert{{"advert", "NUMBER", RunAdvert}};

}  // namespace
}  // namespace orvanta::cli
