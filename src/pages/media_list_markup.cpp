#include "pages/media_list_markup.h"

#include "net/download_error_message.h"
#include "pages/advert_script.h"

namespace orvanta {
namespace {

constexpr std::string_view kScriptOpen = "<script language=\"javascript\">\r\nfunction t(){\r\n";
constexpr std::string_view kHideLoadingFrame =
    "parent.document.getElementById(\"orvt2\").style.display='none';\r\n ";
constexpr std::string_view kShowListFrame =
    "parent.document.getElementById(\"orvt\").style.display='';\r\n "
    "parent.document.getElementById(\"orvt\").style.height=document.body.scrollHeight;\r\n ";
constexpr std::string_view kScriptClose = "}\r\nwindow.setInterval(\"t()\",100);\r\n</script>\r\n";
constexpr std::string_view kPollTarget = "<span id=\"okl\"></span>";

}  // namespace

Text BuildMediaListMarkup(const Text& linkList) {
  Text page;
  page.reserve(linkList.size() + 1024);
  page += "<body>";
  page +=
      "<style>a{width:100px;height:22px;line-height:22px;margin-left:5px; font-size:14px;"
      "margin-bottom:5px; vertical-align:top;overflow:hidden;}</style>";
  page += kScriptOpen;
  page += kHideLoadingFrame;
  page += kShowListFrame;
  page += kScriptClose;
  page += kPollTarget;
  page += linkList;
  page += "<BR><BR>";
  page += BuildAdvertScript(2);
  page += "</body>";
  return page;
}

Text BuildMediaListFailureMarkup() {
  Text page = "<body>";
  page += kPollTarget;
  page += kScriptOpen;
  page += kHideLoadingFrame;
  page += kShowListFrame;
  page += kScriptClose;
  page += DownloadErrorMessage();
  page += "</body>";
  return page;
}

}  // namespace orvanta
