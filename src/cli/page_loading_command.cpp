// orvanta-cli page loading [MODE]: prints the loading page.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/loading_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kLoadingPage{{"page loading", "[MODE]", FixedPageCommand(BuildLoadingPage)}};

}  // namespace
}  // namespace orvanta::cli
