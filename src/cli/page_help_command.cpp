// orvanta-cli page help [MODE]: prints the help page.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/help_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kHelpPage{{"page help", "[MODE]", FixedPageCommand(BuildHelpPage)}};

}  // namespace
}  // namespace orvanta::cli
