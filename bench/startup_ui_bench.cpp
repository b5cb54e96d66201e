// Start-up of the program against a bare wxWebView window and against surf, a minimal
// WebKitGTK browser, all measured the same way: the whole process, from exec to the engine's
// load-finished of the start page, as seen by one hook preloaded into each of them
// (load_finished_hook). Each run starts a program in a fresh folder; all share one scratch
// home whose caches the untimed first starts have filled, as a user's would be. They take
// turns; the figures are minimums, medians and their ratios. Run under a display:
//   xvfb-run -a build/bench/startup_ui_bench 10
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "files/write_file.h"
#include "pages/page_files.h"
#include "startup_phases.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kProbeFd = 3;
constexpr int kLoadBoundMs = 30000;
constexpr auto kExitBound = std::chrono::seconds(10);
constexpr const char* kSurf = "/usr/bin/surf";

struct Probe {
  const char* label;
  std::string program;
  bool isProgram;     // the program writes its own start page; the others get it written
  bool wantsAddress;  // surf is told the page's address; the bare view loads it unasked
};

// Milliseconds from the fork to the end of each phase.
struct Sample {
  double linkedMs = 0, loadAskedMs = 0, loadStartedMs = 0, wallMs = 0;
  double cpuMs = 0;  // of the probe's own process, all its threads
};

std::string ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

// CPU time the process has spent so far, summed over its threads from the scheduler's count.
double ProcessCpuMs(pid_t pid) {
  double nanoseconds = 0;
  std::error_code error;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) nanoseconds += onCpu;
  }
  return nanoseconds / 1e6;
}

// A folder under /tmp that goes when the object does.
class ScratchFolder {
 public:
  ScratchFolder() {
    char name[] = "/tmp/orvanta-startup-XXXXXX";
    if (::mkdtemp(name) != nullptr) path_ = name;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The environment of every probe: the shared scratch home, no way to the internet, and the
// engine in the mode the program puts it in, so that all of them draw the same way.
void SetProbeEnvironment(const std::string& home) {
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
  ::setenv("http_proxy", "http://127.0.0.1:9", 1);
  ::setenv("no_proxy", "127.0.0.1,localhost", 1);
  ::setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);
}

[[noreturn]] void ExecProbe(const Probe& probe, const std::string& folder, int socket,
                            const std::string& hook) {
  ::setpgid(0, 0);
  if (::chdir(folder.c_str()) != 0 || ::dup2(socket, kProbeFd) < 0) ::_exit(126);
  ::setenv("LD_PRELOAD", hook.c_str(), 1);
  const std::string address = "file://" + folder + "/" + std::string(orvanta::kStartPageFile);
  char* const argv[] = {const_cast<char*>(probe.program.c_str()),
                        probe.wantsAddress ? const_cast<char*>(address.c_str()) : nullptr, nullptr};
  ::execv(probe.program.c_str(), argv);
  ::_exit(127);
}

// Reaps the probe and then ends and reaps the engine processes it started (its process
// group; the driver is their subreaper), so that no run shares the machine with the last
// one's leftovers. Bounded: what is still there after the bound is killed.
void Reap(pid_t pid) {
  const Clock::time_point limit = Clock::now() + kExitBound;
  bool killed = false;
  for (;;) {
    const pid_t gone = ::waitpid(-pid, nullptr, WNOHANG);
    if (gone < 0) return;  // no process of the group is left
    if (gone == pid) ::kill(-pid, SIGTERM);
    if (!killed && Clock::now() > limit) {
      ::kill(-pid, SIGKILL);
      killed = true;
    }
    if (gone == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

double MsSince(Clock::time_point start, std::int64_t monotonicNs) {
  const auto at = Clock::time_point(std::chrono::nanoseconds(monotonicNs));
  return std::chrono::duration<double, std::milli>(at - start).count();
}

bool ReadWhole(int fd, void* data, std::size_t size) {
  auto* bytes = static_cast<char*>(data);
  for (std::size_t done = 0; done < size;) {
    const ssize_t got = ::read(fd, bytes + done, size - done);
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

// One start of the probe in folder, from fork to the hook's report; nothing when it fails or
// is late.
std::optional<Sample> StartOnce(const Probe& probe, const std::string& folder,
                                const std::string& hook) {
  int sockets[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return std::nullopt;
  const Clock::time_point start = Clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) ExecProbe(probe, folder, sockets[1], hook);
  ::close(sockets[1]);
  std::optional<Sample> sample;
  pollfd wait{sockets[0], POLLIN, 0};
  startup_probe::Phases phases;
  if (pid > 0 && ::poll(&wait, 1, kLoadBoundMs) == 1 &&
      ReadWhole(sockets[0], &phases, sizeof phases)) {
    sample = Sample{MsSince(start, phases.linkedNs), MsSince(start, phases.loadAskedNs),
                    MsSince(start, phases.loadStartedNs), MsSince(start, phases.loadFinishedNs),
                    ProcessCpuMs(pid)};
  }
  ::close(sockets[0]);  // lets the probe end
  if (pid > 0) Reap(pid);
  return sample;
}

bool PrepareFolder(const Probe& probe, const std::string& folder) {
  if (probe.isProgram) return true;
  ::mkdir((folder + "/sc").c_str(), 0755);
  return orvanta::WriteFileAtomically(folder + "/" + std::string(orvanta::kStartPageFile),
                                      orvanta::StartPageText(), orvanta::Durability::kNoFlush);
}

// A first start in an empty folder, or a second start in the folder the first one left.
std::optional<Sample> TimeStart(const Probe& probe, bool second, const std::string& hook) {
  ScratchFolder folder;
  if (!folder.ok() || !PrepareFolder(probe, folder.path())) return std::nullopt;
  if (second && !StartOnce(probe, folder.path(), hook)) return std::nullopt;
  return StartOnce(probe, folder.path(), hook);
}

struct Figures {
  double min = 0, median = 0;
};

Figures Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  const double median = values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
  return {values.front(), median};
}

constexpr int kProbes = 3;  // the program first: the others are what it is compared with

using Series = std::vector<Sample>;

Figures Of(const Series& series, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : series) values.push_back(sample.*field);
  return Summarise(values);
}

void PrintComparison(const char* what, const Probe probes[kProbes], const Series series[kProbes]) {
  std::printf("%s (%zu runs each; medians of the phases, ms from exec)\n", what, series[0].size());
  std::printf("  %-22s %8s %9s %8s %9s %7s %7s %7s\n", "", "min ms", "median ms", "cpu min",
              "cpu median", "linked", "asked", "started");
  for (int i = 0; i < kProbes; ++i) {
    const Figures wall = Of(series[i], &Sample::wallMs), cpu = Of(series[i], &Sample::cpuMs);
    std::printf("  %-22s %8.1f %9.1f %8.1f %9.1f %7.1f %7.1f %7.1f\n", probes[i].label, wall.min,
                wall.median, cpu.min, cpu.median, Of(series[i], &Sample::linkedMs).median,
                Of(series[i], &Sample::loadAskedMs).median,
                Of(series[i], &Sample::loadStartedMs).median);
  }
  const Figures program = Of(series[0], &Sample::wallMs);
  for (int i = 1; i < kProbes; ++i) {
    const Figures other = Of(series[i], &Sample::wallMs);
    // Runs k of all probes were started one after the other: their ratio is the one least
    // moved by whatever else the machine was doing at the time.
    std::vector<double> paired;
    for (std::size_t k = 0; k < series[0].size(); ++k)
      paired.push_back(series[0][k].wallMs / series[i][k].wallMs);
    const Figures pairs = Summarise(paired);
    std::printf(
        "  ratio program / %s: median %.2f, min %.2f; of pairs: median %.2f, min %.2f; "
        "main-process cpu median %.2f\n",
        probes[i].label, program.median / other.median, program.min / other.min, pairs.median,
        pairs.min, Of(series[0], &Sample::cpuMs).median / Of(series[i], &Sample::cpuMs).median);
  }
  std::printf("\n");
}

// Runs the probes in turn, each round starting one further along than the last.
bool Measure(const char* what, const Probe probes[kProbes], int runs, bool second,
             const std::string& hook) {
  Series series[kProbes];
  for (int run = 0; run < runs; ++run) {
    for (int k = 0; k < kProbes; ++k) {
      const int i = (run + k) % kProbes;
      const std::optional<Sample> sample = TimeStart(probes[i], second, hook);
      if (!sample) {
        std::fprintf(stderr, "%s did not show its start page within %d ms\n", probes[i].label,
                     kLoadBoundMs);
        return false;
      }
      series[i].push_back(*sample);
    }
  }
  PrintComparison(what, probes, series);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = std::clamp(argc > 1 ? std::atoi(argv[1]) : 10, 1, 100);
  if (std::getenv("DISPLAY") == nullptr) {
    std::fprintf(stderr, "startup_ui_bench needs a display: xvfb-run -a %s %d\n", argv[0], runs);
    return 1;
  }
  if (::access(kSurf, X_OK) != 0) {
    std::fprintf(stderr, "startup_ui_bench compares with %s: scripts/setup installs it\n", kSurf);
    return 1;
  }
  // The engine processes of an ended probe come back to the driver, which reaps them.
  ::prctl(PR_SET_CHILD_SUBREAPER, 1);
  const ScratchFolder home;
  if (!home.ok()) return 1;
  SetProbeEnvironment(home.path());
  const std::string folder = ProgramFolder();
  const std::string hook = folder + "/libload_finished_hook.so";
  const Probe probes[kProbes] = {
      {"program", folder + "/../orvanta", true, false},
      {"bare wxWebView", folder + "/bare_web_view_probe_app", false, false},
      {"surf", kSurf, false, true}};
  // One untimed start of each first: the libraries and fonts come from the page cache after.
  for (const Probe& probe : probes) {
    if (!TimeStart(probe, false, hook)) {
      std::fprintf(stderr, "%s does not start\n", probe.label);
      return 1;
    }
  }
  std::printf("start-up, exec to the start page loaded; whole process, in turns\n\n");
  if (!Measure("first start, empty folder", probes, runs, false, hook)) return 1;
  if (!Measure("second start, same folder", probes, runs, true, hook)) return 1;
  return 0;
}
