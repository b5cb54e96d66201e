#include "net/shared_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace orvanta {

SharedLibrary::SharedLibrary(std::initializer_list<const char*> names) {
  for (const char* name : names) {
#ifdef _WIN32
    handle_ = ::LoadLibraryA(name);
#else
    handle_ = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
#endif
    if (handle_ != nullptr) return;
  }
}

void* SharedLibrary::Address(const char* name) const {
  if (handle_ == nullptr) return nullptr;
#ifdef _WIN32
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
  return ::dlsym(handle_, name);
#endif
}

}  // namespace orvanta
