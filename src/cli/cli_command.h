// The subcommands of orvanta-cli register themselves here, one file each.
#pragma once

#include <functional>
#include <iosfwd>
#include <string_view>

#include "text/text.h"

namespace orvanta::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kUsageError = 2;

struct CommandContext {
  TextArray arguments;  // after the subcommand's name, already in code page 936
  std::ostream& out;    // the system's own bytes, written raw
  std::istream& in;
};

using CommandHandler = std::function<int(CommandContext&)>;

struct Command {
  std::string_view name;
  std::string_view usage;  // the arguments, for the usage text
  CommandHandler handler;
};

// Defined at namespace scope in a command's file: `const CommandRegistrar kFetch{{...}};`.
// A name may have two words, "page start", for the kinds of one command.
class CommandRegistrar {
 public:
  explicit CommandRegistrar(Command command);
};

const Command* FindCommand(std::string_view name);
void PrintUsage(std::ostream& err);

// Standard input whole, as bytes.
Text ReadAll(std::istream& in);

}  // namespace orvanta::cli
