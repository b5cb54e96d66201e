#include "subscriptions/subscription_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "files/read_file.h"
#include "files/write_file.h"
#include "subscriptions/subscription_entry.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

// Sixty keywords take a few kilobytes; a file far larger is not the program's list, and
// reading it whole could exhaust memory.
constexpr std::size_t kSubscriptionReadLimit = 16u << 20;

// The path as the user knows it, in the code page of the messages.
Text LocalName(const std::string& path) {
  Text name = path;
  Utf8ToLocal(name);
  return name;
}

Text ReadErrorMessage(const std::string& path) {
  static const Text before = Gbk("无法读取订阅文件“");
  static const Text after = Gbk("”。");
  return before + LocalName(path) + after;
}

Text CreateErrorMessage(const std::string& path) {
  static const Text before = Gbk("无法创建订阅文件“");
  static const Text after = Gbk("”。");
  return before + LocalName(path) + after;
}

Text WriteErrorMessage(const std::string& path) {
  static const Text before = Gbk("无法写入订阅文件“");
  static const Text after = Gbk("”，订阅未更改。");
  return before + LocalName(path) + after;
}

// The file's bytes; nothing when it is too large to be the program's list.
FileRead ReadListFile(const std::string& path) {
  FileRead read = ReadRegularFile(path, kSubscriptionReadLimit + 1);
  if (read.bytes && read.bytes->size() > kSubscriptionReadLimit) return FileRead{};
  return read;
}

}  // namespace

const Text& DefaultSubscriptionText() {
  static const Text text = [] {
    Text result = "<Account>";
    for (const char* keyword : {"社会", "国内", "房产", "行业", "产品", "公司", "招聘"})
      result += MakeSubscriptionEntry(Gbk(keyword));
    result += "</Account>";
    return result;
  }();
  return text;
}

bool EnsureSubscriptionFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return true;
  const std::string folder = path.substr(0, slash);
  return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

SubscriptionFileText ReadSubscriptionFile(const std::string& path) {
  FileRead read = ReadListFile(path);
  // Only a file that is really absent gets the defaults; a pipe, a folder or any other
  // failure would have us write over a list we merely could not see.
  if (!read.bytes && read.failure == FileReadFailure::kMissing) {
    if (!WriteFileAtomically(path, DefaultSubscriptionText(), Durability::kFlushToDisk))
      return {std::nullopt, CreateErrorMessage(path)};
    read = ReadListFile(path);
  }
  if (!read.bytes) return {std::nullopt, ReadErrorMessage(path)};
  return {std::move(read.bytes), Text()};
}

std::optional<Text> WriteSubscriptionFile(const std::string& path, std::string_view text) {
  if (WriteFileAtomically(path, text, Durability::kFlushToDisk)) return std::nullopt;
  return WriteErrorMessage(path);
}

}  // namespace orvanta
