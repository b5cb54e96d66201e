#include "pages/crash_page.h"

#include "pages/message_page.h"
#include "text/code_page.h"
#include "text/markup_escape.h"

namespace orvanta {

Text BuildCrashPage(std::string_view address) {
  Text body = Gbk("网页显示已中断，多次重新载入仍未成功。<br><br><a href=\"");
  body += EscapeMarkup(address);
  body += Gbk("\">重新载入此网页</a>");
  return BuildMessagePage(Gbk("网页显示已中断"), body);
}

}  // namespace orvanta
