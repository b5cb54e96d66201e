// orvanta-cli page image [MODE] [--draw R]: prints the image search page; R fixes the draw.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/media_search_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kImagePage{
    {"page image", "[MODE] [--draw R]", MediaPageCommand(BuildImagePage, BuildImagePage)}};

}  // namespace
}  // namespace orvanta::cli
