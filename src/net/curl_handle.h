// Owner of one libcurl easy handle.
#pragma once

#include <curl/curl.h>

namespace orvanta {

// The handle is wrapped so that cleanup happens on every way out of a transfer. libcurl is
// opened with the first handle; where it cannot be, every handle is empty and every download
// fails as from a dead host.
class CurlHandle {
 public:
  CurlHandle();
  ~CurlHandle();
  CurlHandle(CurlHandle&& other) noexcept;
  CurlHandle& operator=(CurlHandle&& other) noexcept;
  CurlHandle(const CurlHandle&) = delete;
  CurlHandle& operator=(const CurlHandle&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }

  void Set(CURLoption option, long value) const;
  void Set(CURLoption option, const char* value) const;
  void Set(CURLoption option, void* value) const;
  void Set(CURLoption option, curl_write_callback value) const;
  void Set(CURLoption option, curl_xferinfo_callback value) const;
  bool Perform() const;
  // The body's length as the response announces it; -1 when it names none.
  curl_off_t AnnouncedLength() const;

 private:
  CURL* handle_ = nullptr;
};

}  // namespace orvanta
