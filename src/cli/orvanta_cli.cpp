// orvanta-cli: drives every builder of the system without a window.
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "cli/cli_command.h"
#include "text/code_page.h"

namespace orvanta::cli {
namespace {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

}  // namespace

CommandRegistrar::CommandRegistrar(Command command) {
  Registry().emplace(std::string(command.name), std::move(command));
}

const Command* FindCommand(std::string_view name) {
  const auto found = Registry().find(std::string(name));
  return found == Registry().end() ? nullptr : &found->second;
}

void PrintUsage(std::ostream& err) {
  err << "usage: orvanta-cli COMMAND [ARGUMENTS]\n";
  for (const auto& [name, command] : Registry())
    err << "  orvanta-cli " << name << (command.usage.empty() ? "" : " ") << command.usage << "\n";
}

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
  // A command may have two words ("page start"): the longer name wins.
  int firstArgument = 2;
  const cli::Command* command = nullptr;
  if (argc >= 3) command = cli::FindCommand(std::string(argv[1]) + " " + argv[2]);
  if (command != nullptr)
    firstArgument = 3;
  else
    command = cli::FindCommand(argv[1]);
  if (command == nullptr) {
    std::cerr << "orvanta-cli: unknown command '" << argv[1] << "'\n";
    cli::PrintUsage(std::cerr);
    return cli::kUsageError;
  }
  cli::CommandContext context{TextArray(), std::cout, std::cin};
  for (int i = firstArgument; i < argc; ++i) {
    Text argument(argv[i]);
    Utf8ToLocal(argument);  // arguments arrive in UTF-8, the system works in code page 936
    context.arguments.push_back(std::move(argument));
  }
  const int status = command->handler(context);
  std::cout.flush();
  if (status == cli::kUsageError)
    std::cerr << "usage: orvanta-cli " << command->name << " " << command->usage << "\n";
  return status;
}
