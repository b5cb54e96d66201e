// orvanta-cli advert NUMBER: prints the advertising script element for NUMBER.
#include <charconv>
#include <ostream>
#include <system_error>

#include "cli/cli_command.h"
#include "pages/advert_script.h"

namespace orvanta::cli {
namespace {

int RunAdvert(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  const Text& argument = context.arguments[0];
  const char* end = argument.data() + argument.size();
  int number = 0;
  const auto [stop, error] = std::from_chars(argument.data(), end, number);
  if (argument.empty() || stop != end) return kUsageError;
  // A number too large for an int is still a number other than 1, 2 and 3: script 4.
  if (error == std::errc::result_out_of_range)
    number = 0;
  else if (error != std::errc())
    return kUsageError;
  context.out << BuildAdvertScript(number);
  return kSuccess;
}

const CommandRegistrar kAdvert{{"advert", "NUMBER", RunAdvert}};

}  // namespace
}  // namespace orvanta::cli
