#include "support/run_cli.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace orvanta::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Reads both pipes until both are closed or the deadline passes; false on the deadline.
bool CollectOutput(int out, int err, CliResult& result, Clock::time_point deadline) {
  pollfd pipes[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
  std::string* targets[2] = {&result.out, &result.err};
  int open = 2;
  char buffer[65536];
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    if (poll(pipes, 2, static_cast<int>(left.count())) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (pipes[i].fd < 0 || pipes[i].revents == 0) continue;
      const ssize_t n = read(pipes[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        targets[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        pipes[i].fd = -1;
        --open;
      }
    }
  }
  return true;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input,
                 const std::string& workingDirectory, std::chrono::milliseconds bound) {
  const Clock::time_point deadline = Clock::now() + bound;
  int toChild[2], fromChild[2], errFromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0 || pipe(errFromChild) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    dup2(errFromChild[1], 2);
    close(toChild[1]);
    close(fromChild[0]);
    close(errFromChild[0]);
    if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(127);
    std::vector<char*> argv{const_cast<char*>(ORVANTA_CLI)};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(ORVANTA_CLI, argv.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  close(errFromChild[1]);
  // Input is written from its own thread so that a child filling its output pipe first
  // cannot deadlock against us. A child that dies unread makes the write fail with EPIPE:
  // the signal is blocked for this thread only.
  std::thread writer([&] {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    std::size_t sent = 0;
    while (sent < input.size()) {
      const ssize_t n = write(toChild[1], input.data() + sent, input.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    close(toChild[1]);
  });
  CliResult result;
  result.timedOut = !CollectOutput(fromChild[0], errFromChild[0], result, deadline);
  if (result.timedOut) kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  writer.join();
  close(fromChild[0]);
  close(errFromChild[0]);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace orvanta::testing
