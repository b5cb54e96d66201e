#include "net/curl_handle.h"

#include <utility>

#include "net/shared_library.h"

namespace orvanta {
namespace {

struct CurlFunctions {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) init = nullptr;
  decltype(&curl_easy_setopt) setopt = nullptr;
  decltype(&curl_easy_perform) perform = nullptr;
  decltype(&curl_easy_getinfo) getinfo = nullptr;
  decltype(&curl_easy_cleanup) cleanup = nullptr;

  bool FindIn(const SharedLibrary& library) {
    return library.Find("curl_global_init", globalInit) && library.Find("curl_easy_init", init) &&
           library.Find("curl_easy_setopt", setopt) && library.Find("curl_easy_perform", perform) &&
           library.Find("curl_easy_getinfo", getinfo) && library.Find("curl_easy_cleanup", cleanup);
  }
};

// libcurl's global set-up is not thread-safe; every job thread comes through here first, and
// the static's initialisation runs once.
const CurlFunctions* Curl() {
  static const CurlFunctions* const functions = []() -> const CurlFunctions* {
#ifdef _WIN32
    static const SharedLibrary library{"libcurl.dll", "libcurl-4.dll"};
#else
    static const SharedLibrary library{"libcurl.so.4"};
#endif
    static CurlFunctions found;
    if (!found.FindIn(library) || found.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
    return &found;
  }();
  return functions;
}

}  // namespace

CurlHandle::CurlHandle() {
  if (const CurlFunctions* curl = Curl()) handle_ = curl->init();
}

CurlHandle::~CurlHandle() {
  if (handle_ != nullptr) Curl()->cleanup(handle_);
}

CurlHandle::CurlHandle(CurlHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

CurlHandle& CurlHandle::operator=(CurlHandle&& other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

void CurlHandle::Set(CURLoption option, long value) const {
  Curl()->setopt(handle_, option, value);
}

void CurlHandle::Set(CURLoption option, const char* value) const {
  Curl()->setopt(handle_, option, value);
}

void CurlHandle::Set(CURLoption option, void* value) const {
  Curl()->setopt(handle_, option, value);
}

void CurlHandle::Set(CURLoption option, curl_write_callback value) const {
  Curl()->setopt(handle_, option, value);
}

void CurlHandle::Set(CURLoption option, curl_xferinfo_callback value) const {
  Curl()->setopt(handle_, option, value);
}

bool CurlHandle::Perform() const { return Curl()->perform(handle_) == CURLE_OK; }

curl_off_t CurlHandle::AnnouncedLength() const {
  curl_off_t length = -1;
  if (Curl()->getinfo(handle_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) return -1;
  return length;
}

}  // namespace orvanta
