// orvanta-cli page video [MODE] [--draw R]: prints the video search page; R fixes the draw.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/media_search_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kVideoPage{
    {"page video", "[MODE] [--draw R]", MediaPageCommand(BuildVideoPage, BuildVideoPage)}};

}  // namespace
}  // namespace orvanta::cli
