#include "net/curl_handle.h"

#include <mutex>
#include <utility>

namespace orvanta {
namespace {

// libcurl's global set-up is not thread-safe; every job thread comes through here first.
void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CurlHandle::CurlHandle() {
  InitialiseCurlOnce();
  handle_ = curl_easy_init();
}

CurlHandle::~CurlHandle() {
  if (handle_ != nullptr) curl_easy_cleanup(handle_);
}

CurlHandle::CurlHandle(CurlHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

CurlHandle& CurlHandle::operator=(CurlHandle&& other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

}  // namespace orvanta
