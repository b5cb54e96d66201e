// orvanta-cli page KIND [MODE] [--draw R]: prints one generated page.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>

#include "cli/cli_command.h"
#include "pages/help_page.h"
#include "pages/loading_page.h"
#include "pages/media_search_page.h"
#include "pages/start_page.h"

namespace orvanta::cli {
namespace {

std::optional<long> ParseNumber(const Text& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return std::nullopt;
  return value;
}

struct PageArguments {
  int mode = 1;
  std::optional<std::uint32_t> draw;
};

std::optional<PageArguments> ParsePageArguments(const TextArray& arguments, bool takesDraw) {
  PageArguments parsed;
  bool modeSeen = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (takesDraw && arguments[i] == "--draw" && i + 1 < arguments.size()) {
      const auto draw = ParseNumber(arguments[++i]);
      if (!draw || *draw < 0) return std::nullopt;
      parsed.draw = static_cast<std::uint32_t>(*draw);
    } else if (!modeSeen) {
      const auto mode = ParseNumber(arguments[i]);
      if (!mode) return std::nullopt;
      parsed.mode = static_cast<int>(*mode);
      modeSeen = true;
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

CommandHandler FixedPage(Text (*build)(int)) {
  return [build](CommandContext& context) {
    const auto arguments = ParsePageArguments(context.arguments, false);
    if (!arguments) return kUsageError;
    context.out << build(arguments->mode);
    return kSuccess;
  };
}

CommandHandler MediaPage(Text (*buildNow)(int), Text (*buildWithDraw)(int, std::uint32_t)) {
  return [buildNow, buildWithDraw](CommandContext& context) {
    const auto arguments = ParsePageArguments(context.arguments, true);
    if (!arguments) return kUsageError;
    context.out << (arguments->draw ? buildWithDraw(arguments->mode, *arguments->draw)
                                    : buildNow(arguments->mode));
    return kSuccess;
  };
}

const CommandRegistrar kStart{{"page start", "[MODE]", FixedPage(BuildStartPage)}};
const CommandRegistrar kLoading{{"page loading", "[MODE]", FixedPage(BuildLoadingPage)}};
const CommandRegistrar kHelp{{"page help", "[MODE]", FixedPage(BuildHelpPage)}};
const CommandRegistrar kVideo{
    {"page video", "[MODE] [--draw R]", MediaPage(BuildVideoPage, BuildVideoPage)}};
const CommandRegistrar kImage{
    {"page image", "[MODE] [--draw R]", MediaPage(BuildImagePage, BuildImagePage)}};
const CommandRegistrar kMusic{
    {"page music", "[MODE] [--draw R]", MediaPage(BuildMusicPage, BuildMusicPage)}};

}  // namespace
}  // namespace orvanta::cli
