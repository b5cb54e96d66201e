// How a start-up probe tells startup_ui_bench that its first page has loaded: one byte on
// fd 3 (a socket the driver holds), then it waits until the driver closes its end, so the
// driver can read what the process has spent before anything else runs.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace startup_probe {

inline constexpr int kDriverFd = 3;

// The engine's helper processes must not inherit the driver's socket.
inline void KeepDriverSocketToSelf() { ::fcntl(kDriverFd, F_SETFD, FD_CLOEXEC); }

[[noreturn]] inline void TellDriverAndExit() {
  const char done = 1;
  if (::write(kDriverFd, &done, 1) == 1) {
    char ignored;
    while (::read(kDriverFd, &ignored, 1) > 0) {
    }
  }
  std::fflush(nullptr);
  ::_exit(0);
}

}  // namespace startup_probe
