// A library opened when first needed instead of when the program starts.
#pragma once

#include <initializer_list>

namespace orvanta {

// Libraries that only jobs use are opened on the first job, so that the program's start does
// not pay for linking them. Once open, a library stays for the life of the process: a job
// thread that is still running when the program ends may be inside it.
class SharedLibrary {
 public:
  // The first of names that opens; none that opens leaves the library closed.
  explicit SharedLibrary(std::initializer_list<const char*> names);
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }
  // Points slot at the function of that name; false, with slot null, when the library is
  // closed or lacks it.
  template <typename FunctionPointer>
  bool Find(const char* name, FunctionPointer& slot) const {
    slot = reinterpret_cast<FunctionPointer>(Address(name));
    return slot != nullptr;
  }

 private:
  void* Address(const char* name) const;

  void* handle_ = nullptr;
};

}  // namespace orvanta
