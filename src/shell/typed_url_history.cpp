#include "shell/typed_url_history.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/read_file.h"
#include "files/write_file.h"
#include "files/xdg_folder.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

// Room for 100 lines of the longest address in UTF-8 (a GBK byte pair may grow to three).
constexpr std::size_t kFileReadLimit = kTypedUrlLimit * (kTypedUrlMaxBytes * 3 / 2 + 2);

bool Keepable(std::string_view address) {
  if (address.empty() || address.size() > kTypedUrlMaxBytes) return false;
  return std::none_of(address.begin(), address.end(), [](char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || value == 0x7F;
  });
}

}  // namespace

std::string TypedUrlHistoryPath() {
  const std::string folder = XdgFolder("XDG_CONFIG_HOME", ".config", "orvanta");
  return folder.empty() ? std::string() : folder + "/typed-urls";
}

TextArray ReadTypedUrls(const std::string& path) {
  TextArray urls;
  const std::optional<std::string> bytes = ReadRegularFile(path, kFileReadLimit).bytes;
  if (!bytes) return urls;
  std::string_view rest = *bytes;
  while (!rest.empty() && static_cast<int>(urls.size()) < kTypedUrlLimit) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    // A cut-off last line of an over-long file is not an address anybody typed.
    if (end == std::string_view::npos && bytes->size() >= kFileReadLimit) break;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kTypedUrlMaxBytes * 3 / 2) continue;
    std::optional<Text> url = Utf8ToLocalExactly(line);
    if (url && Keepable(*url)) urls.push_back(std::move(*url));
  }
  return urls;
}

bool RecordTypedUrl(const std::string& path, std::string_view address) {
  if (path.empty() || !Keepable(address)) return false;
  Text utf8(address);
  LocalToUtf8(utf8);
  if (Utf8ToLocalExactly(utf8) != Text(address)) return false;  // it would come back changed
  TextArray urls = ReadTypedUrls(path);
  std::erase(urls, Text(address));
  urls.insert(urls.begin(), Text(address));
  if (static_cast<int>(urls.size()) > kTypedUrlLimit) urls.resize(kTypedUrlLimit);

  std::string file;
  for (Text url : urls) {
    LocalToUtf8(url);
    file += url;
    file += '\n';
  }
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  return WriteFileAtomically(path, file, Durability::kFlushToDisk);
}

}  // namespace orvanta
