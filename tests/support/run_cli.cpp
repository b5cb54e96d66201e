#include "support/run_cli.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <thread>

namespace orvanta::testing {
namespace {

using Clock = std::chrono::steady_clock;

// One standard stream of the child: the end it holds and the end the test holds.
struct Channel {
  int child = -1;
  int parent = -1;
};

// For the child's input when childReads, for an output otherwise.
bool OpenPipe(Channel& channel, bool childReads) {
  int ends[2];
  if (pipe(ends) != 0) return false;
  channel = childReads ? Channel{ends[0], ends[1]} : Channel{ends[1], ends[0]};
  return true;
}

bool OpenTerminal(Channel& channel) {
  int master = -1, slave = -1;
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return false;
  termios settings;
  if (tcgetattr(slave, &settings) == 0) {
    settings.c_oflag &= ~OPOST;
    tcsetattr(slave, TCSANOW, &settings);
  }
  channel = Channel{slave, master};
  return true;
}

// Reads both outputs until both are closed or the deadline passes; false on the deadline. A
// terminal whose other side has closed answers EIO, a pipe end of file: both end a stream.
bool CollectOutput(int out, int err, CliResult& result, Clock::time_point deadline) {
  pollfd streams[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
  std::string* targets[2] = {&result.out, &result.err};
  int open = 2;
  char buffer[65536];
  while (open > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    if (poll(streams, 2, static_cast<int>(left.count())) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (streams[i].fd < 0 || streams[i].revents == 0) continue;
      const ssize_t n = read(streams[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        targets[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        streams[i].fd = -1;
        --open;
      }
    }
  }
  return true;
}

[[noreturn]] void RunChild(const std::vector<std::string>& arguments, const Channel (&streams)[3],
                           const std::string& workingDirectory) {
  for (int k = 0; k < 3; ++k) dup2(streams[k].child, k);
  for (const Channel& stream : streams) {
    close(stream.child);
    close(stream.parent);
  }
  if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(127);
  std::vector<char*> argv{const_cast<char*>(ORVANTA_CLI)};
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(ORVANTA_CLI, argv.data());
  _exit(127);
}

// Input is written from its own thread so that a child filling its output first cannot
// deadlock against us. A child that dies unread makes the write fail with EPIPE: the signal
// is blocked for this thread only.
std::thread WriteInput(int to, const std::string& input) {
  return std::thread([to, &input] {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    std::size_t sent = 0;
    while (sent < input.size()) {
      const ssize_t n = write(to, input.data() + sent, input.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    close(to);
  });
}

CliResult Run(const std::vector<std::string>& arguments, const std::string& input,
              const std::string& workingDirectory, std::chrono::milliseconds bound,
              const Channel (&streams)[3]) {
  const Clock::time_point deadline = Clock::now() + bound;
  const pid_t child = fork();
  if (child == 0) RunChild(arguments, streams, workingDirectory);
  for (const Channel& stream : streams) close(stream.child);
  std::thread writer = WriteInput(streams[0].parent, input);
  CliResult result;
  result.timedOut = !CollectOutput(streams[1].parent, streams[2].parent, result, deadline);
  if (result.timedOut) kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  writer.join();
  close(streams[1].parent);
  close(streams[2].parent);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input,
                 const std::string& workingDirectory, std::chrono::milliseconds bound) {
  Channel streams[3];
  if (!OpenPipe(streams[0], true) || !OpenPipe(streams[1], false) || !OpenPipe(streams[2], false))
    return {};
  return Run(arguments, input, workingDirectory, bound, streams);
}

CliResult RunCliOnTerminal(const std::vector<std::string>& arguments, TerminalStream terminal,
                           const std::string& workingDirectory, std::chrono::milliseconds bound) {
  const bool outIsTerminal = terminal == TerminalStream::kStandardOutput;
  Channel streams[3];
  if (!OpenPipe(streams[0], true) ||
      !(outIsTerminal ? OpenTerminal(streams[1]) : OpenPipe(streams[1], false)) ||
      !(outIsTerminal ? OpenPipe(streams[2], false) : OpenTerminal(streams[2])))
    return {};
  return Run(arguments, "", workingDirectory, bound, streams);
}

}  // namespace orvanta::testing
