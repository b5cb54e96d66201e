#include "net/download_error_message.h"

#include "text/code_page.h"

namespace orvanta {

const Text& DownloadErrorMessage() {
  static const Text message = Gbk("打开目标地址出错，请检查网络连接状况");
  return message;
}

}  // namespace orvanta
