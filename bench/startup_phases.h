// What load_finished_hook sends startup_ui_bench once the start page has loaded: when each
// phase of the start ended, on the monotonic clock (the one std::chrono::steady_clock reads).
#pragma once

#include <cstdint>

namespace startup_probe {

struct Phases {
  std::int64_t linkedNs = 0;        // every library linked, before main()
  std::int64_t loadAskedNs = 0;     // the program asked the view for the start page
  std::int64_t loadStartedNs = 0;   // the engine began loading it
  std::int64_t loadFinishedNs = 0;  // the engine finished loading it
};

}  // namespace startup_probe
