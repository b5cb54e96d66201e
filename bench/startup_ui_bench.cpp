// Start-up of the program against a bare web view, both measured the same way: the whole
// process, from exec to the engine's load-finished of the start page. Each run starts a probe
// (navigator_probe_app: the program's own application object; bare_web_view_probe_app: one
// frame with one web view loading the same file) in a fresh folder; both share one scratch
// home whose caches the untimed first starts have filled, as a user's would be. The two
// alternate; the figures are minimums, medians and their ratios. Run under a display:
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

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kProbeFd = 3;
constexpr int kLoadBoundMs = 30000;
constexpr auto kExitBound = std::chrono::seconds(10);

struct Probe {
  const char* label;
  std::string program;
  bool needsStartPage;  // the bare view only loads the file; the program writes its own
};

struct Sample {
  double wallMs = 0;
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

// The environment of every probe: the shared scratch home, and no way to the internet.
void SetProbeEnvironment(const std::string& home) {
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
  ::setenv("http_proxy", "http://127.0.0.1:9", 1);
  ::setenv("no_proxy", "127.0.0.1,localhost", 1);
}

[[noreturn]] void ExecProbe(const Probe& probe, const std::string& folder, int socket) {
  ::setpgid(0, 0);
  if (::chdir(folder.c_str()) != 0 || ::dup2(socket, kProbeFd) < 0) ::_exit(126);
  char* const argv[] = {const_cast<char*>(probe.program.c_str()), nullptr};
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

// One start of the probe in folder, from fork to its byte; nothing when it fails or is late.
std::optional<Sample> StartOnce(const Probe& probe, const std::string& folder) {
  int sockets[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return std::nullopt;
  const Clock::time_point start = Clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) ExecProbe(probe, folder, sockets[1]);
  ::close(sockets[1]);
  std::optional<Sample> sample;
  pollfd wait{sockets[0], POLLIN, 0};
  char byte = 0;
  if (pid > 0 && ::poll(&wait, 1, kLoadBoundMs) == 1 && ::read(sockets[0], &byte, 1) == 1) {
    sample = Sample{std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                    ProcessCpuMs(pid)};
  }
  ::close(sockets[0]);  // lets the probe end
  if (pid > 0) Reap(pid);
  return sample;
}

bool PrepareFolder(const Probe& probe, const std::string& folder) {
  if (!probe.needsStartPage) return true;
  ::mkdir((folder + "/sc").c_str(), 0755);
  return orvanta::WriteFileAtomically(folder + "/" + std::string(orvanta::kStartPageFile),
                                      orvanta::StartPageText(), orvanta::Durability::kNoFlush);
}

// A first start in an empty folder, or a second start in the folder the first one left.
std::optional<Sample> TimeStart(const Probe& probe, bool second) {
  ScratchFolder folder;
  if (!folder.ok() || !PrepareFolder(probe, folder.path())) return std::nullopt;
  if (second && !StartOnce(probe, folder.path())) return std::nullopt;
  return StartOnce(probe, folder.path());
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

struct Series {
  std::vector<double> wall, cpu;
};

void PrintComparison(const char* what, const Probe probes[2], const Series series[2]) {
  std::printf("%s (%zu runs each)\n", what, series[0].wall.size());
  std::printf("  %-26s %10s %10s %14s %14s\n", "", "min ms", "median ms", "cpu min ms",
              "cpu median ms");
  Figures wall[2], cpu[2];
  for (int i = 0; i < 2; ++i) {
    wall[i] = Summarise(series[i].wall);
    cpu[i] = Summarise(series[i].cpu);
    std::printf("  %-26s %10.1f %10.1f %14.1f %14.1f\n", probes[i].label, wall[i].min,
                wall[i].median, cpu[i].min, cpu[i].median);
  }
  // Runs k of both probes were started one after the other: their ratio is the one least
  // moved by whatever else the machine was doing at the time.
  std::vector<double> paired;
  for (std::size_t k = 0; k < series[0].wall.size(); ++k)
    paired.push_back(series[0].wall[k] / series[1].wall[k]);
  std::printf("  ratio program / bare: median %.2f, min %.2f, median of pairs %.2f; "
              "main-process cpu median %.2f\n\n",
              wall[0].median / wall[1].median, wall[0].min / wall[1].min,
              Summarise(paired).median, cpu[0].median / cpu[1].median);
}

// Runs both probes alternately, each pair in the opposite order of the last.
bool Measure(const char* what, const Probe probes[2], int runs, bool second) {
  Series series[2];
  for (int run = 0; run < runs; ++run) {
    for (int k = 0; k < 2; ++k) {
      const int i = (run + k) % 2;
      const std::optional<Sample> sample = TimeStart(probes[i], second);
      if (!sample) {
        std::fprintf(stderr, "%s did not show its start page within %d ms\n", probes[i].label,
                     kLoadBoundMs);
        return false;
      }
      series[i].wall.push_back(sample->wallMs);
      series[i].cpu.push_back(sample->cpuMs);
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
  // The engine processes of an ended probe come back to the driver, which reaps them.
  ::prctl(PR_SET_CHILD_SUBREAPER, 1);
  const ScratchFolder home;
  if (!home.ok()) return 1;
  SetProbeEnvironment(home.path());
  const std::string folder = ProgramFolder();
  const Probe probes[2] = {{"program (main window)", folder + "/navigator_probe_app", false},
                           {"bare web view", folder + "/bare_web_view_probe_app", true}};
  // One untimed start of each first: the libraries and fonts come from the page cache after.
  for (const Probe& probe : probes) {
    if (!TimeStart(probe, false)) {
      std::fprintf(stderr, "%s does not start\n", probe.label);
      return 1;
    }
  }
  std::printf("start-up, exec to the start page loaded; whole process, interleaved\n\n");
  if (!Measure("first start, empty folder", probes, runs, false)) return 1;
  if (!Measure("second start, same folder", probes, runs, true)) return 1;
  return 0;
}
