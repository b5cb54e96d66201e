// orvanta-cli: drives every builder of the system without a window.
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "cli/cli_command.h"
#include "cli/person_text.h"
#include "text/code_page.h"

namespace orvanta::cli {
namespace {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

constexpr std::string_view kHelpRequests[] = {"--help", "-h", "help"};
constexpr std::string_view kVersionRequest = "--version";

bool AsksForHelp(std::string_view argument) {
  return std::find(std::begin(kHelpRequests), std::end(kHelpRequests), argument) !=
         std::end(kHelpRequests);
}

// A command may have two words ("page start"): the longer name wins. firstArgument is where
// the command's own arguments begin.
const Command* CommandOf(int argc, char** argv, int& firstArgument) {
  if (argc >= 3) {
    firstArgument = 3;
    if (const Command* command = FindCommand(std::string(argv[1]) + " " + argv[2])) return command;
  }
  firstArgument = 2;
  return FindCommand(argv[1]);
}

int Run(const Command& command, int argc, char** argv, int firstArgument) {
  CommandContext context{TextArray(), std::cout, std::cin, STDOUT_FILENO};
  for (int i = firstArgument; i < argc; ++i) {
    Text argument(argv[i]);
    Utf8ToLocal(argument);  // arguments arrive in UTF-8, the system works in code page 936
    context.arguments.push_back(std::move(argument));
  }
  const int status = command.handler(context);
  std::cout.flush();
  if (status == kUsageError)
    std::cerr << "usage: orvanta-cli " << command.name << " " << command.usage << "\n";
  return status;
}

}  // namespace

CommandRegistrar::CommandRegistrar(Command command) {
  Registry().emplace(std::string(command.name), std::move(command));
}

const Command* FindCommand(std::string_view name) {
  const auto found = Registry().find(std::string(name));
  return found == Registry().end() ? nullptr : &found->second;
}

void PrintUsage(std::ostream& stream) {
  stream << "usage: orvanta-cli COMMAND [ARGUMENTS]\n"
            "  orvanta-cli --help | -h | help\n"
            "  orvanta-cli --version\n";
  for (const auto& [name, command] : Registry())
    stream << "  orvanta-cli " << name << (command.usage.empty() ? "" : " ") << command.usage
           << "\n";
}

void CommandContext::Tell(const Text& line) const { out << ForReader(outDescriptor, line) << "\n"; }

Text ReadAll(std::istream& in) {
  return Text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvanta::cli

int main(int argc, char** argv) {
  using namespace orvanta;
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    cli::PrintUsage(std::cerr);
    return cli::kUsageError;
  }
  if (cli::AsksForHelp(argv[1])) {
    cli::PrintUsage(std::cout);
    return cli::kSuccess;
  }
  if (argv[1] == cli::kVersionRequest) {
    std::cout << "orvanta-cli " << ORVANTA_VERSION << "\n";
    return cli::kSuccess;
  }
  int firstArgument = 2;
  const cli::Command* command = cli::CommandOf(argc, argv, firstArgument);
  if (command == nullptr) {
    std::cerr << "orvanta-cli: unknown command '" << argv[1] << "'\n";
    cli::PrintUsage(std::cerr);
    return cli::kUsageError;
  }
  return cli::Run(*command, argc, argv, firstArgument);
}
