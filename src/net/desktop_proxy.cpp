#include "net/desktop_proxy.h"

#include <proxy.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "net/shared_library.h"

namespace orvanta {
namespace {

// libproxy is opened with the first download that asks the desktop; without it every
// connection goes direct.
struct ProxyFunctions {
  decltype(&px_proxy_factory_new) factoryNew = nullptr;
  decltype(&px_proxy_factory_get_proxies) getProxies = nullptr;
  decltype(&px_proxy_factory_free_proxies) freeProxies = nullptr;
  // One factory for the whole process: it keeps the desktop's settings and a PAC script
  // cached, and any job thread may ask it. It is never freed, as detached jobs may still be
  // asking while the process ends.
  pxProxyFactory* factory = nullptr;
};

const ProxyFunctions* Proxy() {
  static const ProxyFunctions* const functions = []() -> const ProxyFunctions* {
    static const SharedLibrary library{"libproxy.so.1"};
    static ProxyFunctions found;
    if (!library.Find("px_proxy_factory_new", found.factoryNew) ||
        !library.Find("px_proxy_factory_get_proxies", found.getProxies) ||
        !library.Find("px_proxy_factory_free_proxies", found.freeProxies))
      return nullptr;
    found.factory = found.factoryNew();
    return found.factory == nullptr ? nullptr : &found;
  }();
  return functions;
}

struct ProxyListDeleter {
  void operator()(char** list) const { Proxy()->freeProxies(list); }
};
using ProxyList = std::unique_ptr<char*, ProxyListDeleter>;

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

}  // namespace

bool EnvironmentNamesProxy() {
  // curl reads no HTTP_PROXY in capitals (a CGI program's environment may carry one).
  for (const char* variable :
       {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
    if (IsSet(variable)) return true;
  return false;
}

std::string CurlProxyFromList(const std::vector<std::string>& proxies) {
  static constexpr std::string_view kUsable[] = {"http://",    "https://",  "socks4://",
                                                 "socks4a://", "socks5://", "socks5h://"};
  for (const std::string& proxy : proxies) {
    if (proxy.starts_with("direct://")) return {};
    // libproxy's plain "socks" means version 5 first.
    if (proxy.starts_with("socks://")) return "socks5://" + proxy.substr(8);
    for (const std::string_view scheme : kUsable)
      if (proxy.starts_with(scheme)) return proxy;
  }
  return {};
}

std::string DesktopProxyFor(const std::string& address) {
  const ProxyFunctions* proxy = Proxy();
  if (proxy == nullptr) return {};
  const ProxyList list(proxy->getProxies(proxy->factory, address.c_str()));
  std::vector<std::string> proxies;
  for (char** entry = list.get(); entry != nullptr && *entry != nullptr; ++entry)
    proxies.emplace_back(*entry);
  return CurlProxyFromList(proxies);
}

}  // namespace orvanta
