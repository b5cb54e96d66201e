#include "pages/message_page.h"

#include "text/code_page.h"
#include "text/markup_escape.h"

namespace orvanta {

Text BuildMessagePage(const Text& title, const Text& bodyMarkup) {
  Text page =
      Gbk("<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=gb2312\" /><title>");
  page += EscapeMarkup(title);
  page +=
      Gbk("</title></HEAD><BODY><div style='margin-top:55px;text-align:center;"
          "font:14px arial;'>");
  page += bodyMarkup;
  page += Gbk("</div></BODY></HTML>");
  return page;
}

}  // namespace orvanta
