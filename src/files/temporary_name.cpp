#include "files/temporary_name.h"

#include <unistd.h>

#include <atomic>
#include <charconv>
#include <limits>

namespace orvanta {
namespace {

constexpr std::string_view kMark = ".tmp";

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + std::string(kMark) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

std::optional<pid_t> TemporaryOwner(std::string_view name) {
  const std::size_t mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;  // a target has a name
  const std::string_view rest = name.substr(mark + kMark.size());
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view process = rest.substr(0, dash);
  if (!AllDigits(process) || !AllDigits(rest.substr(dash + 1))) return std::nullopt;
  long long id = 0;
  const auto [end, error] = std::from_chars(process.data(), process.data() + process.size(), id);
  // Process 0 would stand for our whole process group in a liveness test.
  if (error != std::errc() || id <= 0 || id > std::numeric_limits<pid_t>::max())
    return std::nullopt;
  return static_cast<pid_t>(id);
}

}  // namespace orvanta
