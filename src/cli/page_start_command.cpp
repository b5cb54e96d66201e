// orvanta-cli page start [MODE]: prints the start page.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/start_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kStartPage{{"page start", "[MODE]", FixedPageCommand(BuildStartPage)}};

}  // namespace
}  // namespace orvanta::cli
