#include "support/loopback_server.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "demo/proxy_request.h"

namespace orvanta::testing {
namespace {

std::string Key(const std::string& host, const std::string& target) { return host + "\n" + target; }

}  // namespace

LoopbackServer::LoopbackServer() {
  server_.set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch(request, response);
        return httplib::Server::HandlerResponse::Handled;
      });
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  // Bounded wait for the listening loop to start.
  for (int i = 0; i < 500 && !server_.is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

LoopbackServer::~LoopbackServer() {
  server_.stop();
  thread_.join();
}

std::string LoopbackServer::Address(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackServer::Route(const std::string& host, const std::string& target,
                           Responder responder) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[Key(host, target)] = std::move(responder);
}

void LoopbackServer::Serve(const std::string& host, const std::string& target, std::string body,
                           std::string contentType, int status) {
  Route(host, target,
        [body = std::move(body), contentType = std::move(contentType), status](
            const httplib::Request&, httplib::Response& response) {
          response.status = status;
          response.set_content(body, contentType.c_str());
        });
}

void LoopbackServer::ServeFixture(const std::string& host, const std::string& target,
                                  const std::string& name) {
  Serve(host, target, ReadFixture(name));
}

void LoopbackServer::Trickle(const std::string& host, const std::string& target,
                             std::chrono::milliseconds interval) {
  const int bytes = static_cast<int>(std::chrono::minutes(1) / interval);
  Route(host, target, [interval, bytes](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider(
        "text/xml", [interval, bytes, sent = 0](std::size_t, httplib::DataSink& sink) mutable {
          std::this_thread::sleep_for(interval);
          if (++sent > bytes) {
            sink.done();
            return true;
          }
          return sink.write(" ", 1);  // false once the client has gone
        });
  });
}

int LoopbackServer::Hits(const std::string& host, const std::string& target) {
  std::lock_guard<std::mutex> lock(mutex_);
  return hits_[Key(host, target)];
}

int LoopbackServer::AllHits() {
  std::lock_guard<std::mutex> lock(mutex_);
  int all = 0;
  for (const auto& [key, hits] : hits_) all += hits;
  return all;
}

void LoopbackServer::Dispatch(const httplib::Request& request, httplib::Response& response) {
  const auto [host, target] = demo::SplitRequestTarget(request);
  Responder responder;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ++hits_[Key(host, target)];
    auto found = routes_.find(Key(host, target));
    if (found == routes_.end()) found = routes_.find(Key("", target));
    if (found != routes_.end()) responder = found->second;
  }
  if (responder) {
    responder(request, response);
  } else {
    response.status = 404;
    response.set_content("<html><body>not found</body></html>\n", "text/html");
  }
}

ProxyEnvironment::ProxyEnvironment(const std::string& proxy) {
  const char* oldProxy = std::getenv("http_proxy");
  const char* oldNoProxy = std::getenv("no_proxy");
  hadProxy_ = oldProxy != nullptr;
  hadNoProxy_ = oldNoProxy != nullptr;
  if (hadProxy_) savedProxy_ = oldProxy;
  if (hadNoProxy_) savedNoProxy_ = oldNoProxy;
  setenv("http_proxy", proxy.c_str(), 1);
  unsetenv("no_proxy");
  unsetenv("NO_PROXY");
}

ProxyEnvironment::~ProxyEnvironment() {
  if (hadProxy_)
    setenv("http_proxy", savedProxy_.c_str(), 1);
  else
    unsetenv("http_proxy");
  if (hadNoProxy_) setenv("no_proxy", savedNoProxy_.c_str(), 1);
}

std::string ReadFixture(const std::string& name) {
  std::ifstream file(std::string(ORVANTA_FIXTURES) + "/" + name, std::ios::binary);
  if (!file) throw std::runtime_error("missing fixture " + name);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace orvanta::testing
