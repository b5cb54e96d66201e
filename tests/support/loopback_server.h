// A real HTTP server on 127.0.0.1 and a random port, for tests that download.
#pragma once

#include <httplib.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace orvanta::testing {

// Answers requests by host and path. Requests reach it directly or as a proxy (the test
// points http_proxy at it), so a route may name any service host.
class LoopbackServer {
 public:
  using Responder = std::function<void(const httplib::Request&, httplib::Response&)>;

  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:PORT" + path.
  std::string Address(const std::string& path) const;

  // host "" matches any host. target is the path with its query, as sent.
  void Route(const std::string& host, const std::string& target, Responder responder);
  void Serve(const std::string& host, const std::string& target, std::string body,
             std::string contentType = "text/xml", int status = 200);
  // Serves the bytes of a file under tests/fixtures.
  void ServeFixture(const std::string& host, const std::string& target, const std::string& name);
  // Answers with a body that comes one byte every interval, for about a minute: never a
  // stall, so only a bound on the whole transfer ends it early.
  void Trickle(const std::string& host, const std::string& target,
               std::chrono::milliseconds interval = std::chrono::milliseconds(500));

  // Number of requests seen for host + target.
  int Hits(const std::string& host, const std::string& target);
  // Every request the server has had, whatever it asked for.
  int AllHits();

 private:
  void Dispatch(const httplib::Request& request, httplib::Response& response);

  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  std::mutex mutex_;
  std::map<std::string, Responder> routes_;
  std::map<std::string, int> hits_;
};

// Sets http_proxy (and clears no_proxy) for the life of the object.
class ProxyEnvironment {
 public:
  explicit ProxyEnvironment(const std::string& proxy);
  ~ProxyEnvironment();

 private:
  std::string savedProxy_, savedNoProxy_;
  bool hadProxy_, hadNoProxy_;
};

std::string ReadFixture(const std::string& name);

}  // namespace orvanta::testing
