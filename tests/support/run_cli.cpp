#include "support/run_cli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace orvanta::testing {

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input,
                 const std::string& workingDirectory) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 2);
    if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(127);
    std::vector<char*> argv{const_cast<char*>(ORVANTA_CLI)};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(ORVANTA_CLI, argv.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  // Input is written from its own thread so that a child filling its output pipe first
  // cannot deadlock against us.
  std::thread writer([&] {
    std::size_t sent = 0;
    while (sent < input.size()) {
      const ssize_t n = write(toChild[1], input.data() + sent, input.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    close(toChild[1]);
  });
  CliResult result;
  char buffer[65536];
  for (ssize_t n; (n = read(fromChild[0], buffer, sizeof buffer)) > 0;) result.out.append(buffer, n);
  close(fromChild[0]);
  writer.join();
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace orvanta::testing
