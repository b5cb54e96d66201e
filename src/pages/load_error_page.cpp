#include "pages/load_error_page.h"

#include "net/download_error_message.h"
#include "pages/message_page.h"
#include "text/code_page.h"
#include "text/markup_escape.h"

namespace orvanta {

Text BuildLoadErrorPage(const Text& address, const Text& reason) {
  Text body = EscapeMarkup(DownloadErrorMessage());
  body += Gbk("<br><br>");
  body += EscapeMarkup(address);
  body += Gbk("<br><br><span style='color:#808080;font-size:12px;'>");
  body += EscapeMarkup(reason);
  body += Gbk("</span>");
  return BuildMessagePage(DownloadErrorMessage(), body);
}

}  // namespace orvanta
