// Runs the real orvanta-cli as a child process.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace orvanta::testing {

struct CliResult {
  int status = -1;  // -1 when the child did not exit by itself
  std::string out;  // standard output, raw bytes
  std::string err;  // standard error, raw bytes
  bool timedOut = false;
};

// Arguments are passed as they are (UTF-8); input goes to standard input. workingDirectory
// empty means the test's own. A child still running after bound is killed, so that a hang
// fails the test instead of holding the whole run.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
                 const std::string& workingDirectory = "",
                 std::chrono::milliseconds bound = std::chrono::seconds(60));

enum class TerminalStream { kStandardOutput, kStandardError };

// The same with one output stream on a pseudo-terminal, as when a person runs it, and the
// other on a pipe. The terminal passes bytes through as written (no CR added before a line
// feed), so that they compare with a pipe's.
CliResult RunCliOnTerminal(const std::vector<std::string>& arguments, TerminalStream terminal,
                           const std::string& workingDirectory = "",
                           std::chrono::milliseconds bound = std::chrono::seconds(60));

}  // namespace orvanta::testing
