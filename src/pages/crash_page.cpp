#include "pages/crash_page.h"

#include "text/markup_escape.h"
#include "text/code_page.h"

namespace orvanta {

Text BuildCrashPage(std::string_view address) {
  Text page = Gbk(
      "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />"
      "<title>网页显示已中断</title></HEAD><BODY>"
      "<div style='margin-top:55px;text-align:center;font:14px arial;'>"
      "网页显示已中断，多次重新载入仍未成功。<br><br><a href=\"");
  page += EscapeMarkup(address);
  page += Gbk("\">重新载入此网页</a></div></BODY></HTML>");
  return page;
}

}  // namespace orvanta
