#include "subscriptions/subscription_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "files/write_file.h"
#include "subscriptions/subscription_entry.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

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

std::optional<Text> ReadWhole(const std::string& path) {
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  Text text;
  char buffer[4096];
  for (;;) {
    const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, count);
    if (count < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return text;
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
  struct stat status;
  if (::stat(path.c_str(), &status) != 0) {
    // Only a file that is really absent gets the defaults; any other failure would have us
    // write over a list we merely could not see.
    if (errno != ENOENT) return {std::nullopt, ReadErrorMessage(path)};
    if (!WriteFileAtomically(path, DefaultSubscriptionText(), Durability::kFlushToDisk))
      return {std::nullopt, CreateErrorMessage(path)};
  }
  std::optional<Text> text = ReadWhole(path);
  if (!text) return {std::nullopt, ReadErrorMessage(path)};
  return {std::move(text), Text()};
}

std::optional<Text> WriteSubscriptionFile(const std::string& path, std::string_view text) {
  if (WriteFileAtomically(path, text, Durability::kFlushToDisk)) return std::nullopt;
  return WriteErrorMessage(path);
}

}  // namespace orvanta
