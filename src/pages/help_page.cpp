#include "pages/help_page.h"

#include "text/code_page.h"

namespace orvanta {

Text BuildHelpPage(int /*mode*/) {
  // The statistics block stays hidden and empty: the program counts nobody.
  static const Text page = Gbk(
      "<HTML><HEAD>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />"
      "</HEAD><BODY>\r\n"
      "<div style=\"FONT:14px;TEXT-ALIGN:left; margin-top:30px; margin-left:20px; line-height:30px;\">\r\n"
      "<b>如何设定修改资讯关键字？</b><BR>\r\n"
      "1、点头部“资讯”字样；<BR>\r\n"
      "2、在右侧打开的页面中输入搜索关键字（资讯关键字）；<BR>\r\n"
      "3、点“搜索资讯”字样按钮；<BR>\r\n"
      "4、如已经正常连接网络，则会打开相关资讯页面；<BR>\r\n"
      "5、点打开的资讯页面头部的 <font color=\"blue\">[订阅“某某”资讯]</font> "
      "<font color=\"red\">[取消订阅“某某”]</font> 字样即可相关订阅与取消资讯关键字。<BR>\r\n"
      "</div>\r\n"
      "<div style=\"display:none\">\r\n"
      "</div>\r\n"
      "</BODY></HTML>\r\n");
  return page;
}

}  // namespace orvanta
