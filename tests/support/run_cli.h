// Runs the real orvanta-cli as a child process.
#pragma once

#include <string>
#include <vector>

namespace orvanta::testing {

struct CliResult {
  int status = -1;
  std::string out;  // standard output, raw bytes
};

// Arguments are passed as they are (UTF-8); input goes to standard input. workingDirectory
// empty means the test's own.
CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
                 const std::string& workingDirectory = "");

}  // namespace orvanta::testing
