// The subcommands of orvanta-cli register themselves here, one file each.
#pragma once

#include <functional>
#include <iosfwd>
#include <string_view>

#include "text/text.h"

namespace orvanta::cli {

inline constexpr int kSuccess = 0;
// The command ran and did not do its job: nothing fetched, nothing written, nothing changed.
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

struct CommandContext {
  TextArray arguments;  // after the subcommand's name, already in code page 936
  std::ostream& out;    // the system's own bytes, written raw
  std::istream& in;
  int outDescriptor;  // where out goes

  // A line meant for a person (a message, the subscriptions list) and its line feed: in the
  // locale's encoding when out is a terminal, otherwise raw like everything else.
  void Tell(const Text& line) const;
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
void PrintUsage(std::ostream& stream);

// Standard input whole, as bytes.
Text ReadAll(std::istream& in);

}  // namespace orvanta::cli
