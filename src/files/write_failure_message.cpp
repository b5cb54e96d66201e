#include "files/write_failure_message.h"

#include <filesystem>
#include <system_error>

#include "text/code_page.h"

namespace orvanta {

Text WriteFailureMessage(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  Text name = error ? path : full.string();
  Utf8ToLocal(name);
  return Gbk("无法写入文件 ") + name;
}

}  // namespace orvanta
