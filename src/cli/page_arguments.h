// The arguments of the page subcommands: [MODE] and, for media pages, [--draw R].
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/cli_command.h"
#include "cli/whole_number.h"

namespace orvanta::cli {

struct PageArguments {
  int mode = 1;
  std::optional<std::uint32_t> draw;
};

inline std::optional<PageArguments> ParsePageArguments(const TextArray& arguments, bool takesDraw) {
  static constexpr std::string_view kDraw = "--draw";
  PageArguments parsed;
  bool modeSeen = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (takesDraw && argument.starts_with(kDraw)) {
      std::string_view value;
      if (argument == kDraw) {
        if (i + 1 >= arguments.size()) return std::nullopt;
        value = arguments[++i];
      } else if (argument[kDraw.size()] == '=') {
        value = argument.substr(kDraw.size() + 1);
      } else {
        return std::nullopt;
      }
      if (parsed.draw) return std::nullopt;
      parsed.draw = ParseWholeNumber<std::uint32_t>(value);
      if (!parsed.draw) return std::nullopt;
    } else if (!modeSeen) {
      const auto mode = ParseWholeNumber<int>(argument);
      if (!mode) return std::nullopt;
      parsed.mode = *mode;
      modeSeen = true;
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

// The loading, help and start pages: the same bytes for every call.
inline CommandHandler FixedPageCommand(Text (*build)(int)) {
  return [build](CommandContext& context) {
    const auto arguments = ParsePageArguments(context.arguments, false);
    if (!arguments) return kUsageError;
    context.out << build(arguments->mode);
    return kSuccess;
  };
}

// The media pages draw from the clock unless the caller fixes the draw.
inline CommandHandler MediaPageCommand(Text (*buildNow)(int),
                                       Text (*buildWithDraw)(int, std::uint32_t)) {
  return [buildNow, buildWithDraw](CommandContext& context) {
    const auto arguments = ParsePageArguments(context.arguments, true);
    if (!arguments) return kUsageError;
    context.out << (arguments->draw ? buildWithDraw(arguments->mode, *arguments->draw)
                                    : buildNow(arguments->mode));
    return kSuccess;
  };
}

}  // namespace orvanta::cli
