// orvanta-cli page music [MODE] [--draw R]: prints the music search page; R fixes the draw.
#include "cli/cli_command.h"
#include "cli/page_arguments.h"
#include "pages/media_search_page.h"

namespace orvanta::cli {
namespace {

const CommandRegistrar kMusicPage{
    {"page music", "[MODE] [--draw R]", MediaPageCommand(BuildMusicPage, BuildMusicPage)}};

}  // namespace
}  // namespace orvanta::cli
