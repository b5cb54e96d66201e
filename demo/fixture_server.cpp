// orvanta-fixture-server PORT FIXTURE_DIR...: answers every service host of the program from
// recorded files, as an HTTP proxy on 127.0.0.1, until SIGTERM or SIGINT.
#include <httplib.h>
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "demo/fixture_catalog.h"
#include "demo/proxy_request.h"

namespace {

bool ParsePort(const char* text, int& port) {
  const std::string_view digits(text);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  return error == std::errc() && end == digits.data() + digits.size() && port >= 0 && port <= 65535;
}

// Small bounds: a stalled or oversized client cannot hold a worker.
void Bound(httplib::Server& server) {
  server.set_read_timeout(5, 0);
  server.set_write_timeout(5, 0);
  server.set_keep_alive_timeout(2);
  server.set_keep_alive_max_count(100);
  server.set_payload_max_length(64 * 1024);
}

int Bind(httplib::Server& server, int port) {
  if (port == 0) return server.bind_to_any_port("127.0.0.1");
  return server.bind_to_port("127.0.0.1", port) ? port : -1;
}

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  if (argc < 3 || !ParsePort(argv[1], port)) {
    std::fprintf(stderr, "usage: orvanta-fixture-server PORT FIXTURE_DIR [FIXTURE_DIR...]\n");
    return 2;
  }
  // Blocked before any thread starts, so that only sigwait below receives them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    const orvanta::demo::FixtureCatalog catalog(std::vector<std::string>(argv + 2, argv + argc));
    httplib::Server server;
    Bound(server);
    server.set_pre_routing_handler(
        [&catalog](const httplib::Request& request, httplib::Response& response) {
          const auto split = orvanta::demo::SplitRequestTarget(request);
          auto reply = catalog.Answer(split.host, split.target);
          response.status = reply.status;
          response.set_content(std::move(reply.body), reply.contentType.c_str());
          return httplib::Server::HandlerResponse::Handled;
        });
    const int bound = Bind(server, port);
    if (bound <= 0) {
      std::fprintf(stderr, "orvanta-fixture-server: cannot bind 127.0.0.1:%s\n", argv[1]);
      return 1;
    }
    std::printf("port %d\n", bound);
    std::fflush(stdout);
    std::thread listener([&server] { server.listen_after_bind(); });
    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    listener.join();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "orvanta-fixture-server: %s\n", error.what());
    return 1;
  }
  return 0;
}
