// Owner of one libcurl easy handle.
#pragma once

#include <curl/curl.h>

namespace orvanta {

// The handle is wrapped so that cleanup happens on every way out of a transfer.
class CurlHandle {
 public:
  CurlHandle();
  ~CurlHandle();
  CurlHandle(CurlHandle&& other) noexcept;
  CurlHandle& operator=(CurlHandle&& other) noexcept;
  CurlHandle(const CurlHandle&) = delete;
  CurlHandle& operator=(const CurlHandle&) = delete;

  CURL* get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  CURL* handle_;
};

}  // namespace orvanta
