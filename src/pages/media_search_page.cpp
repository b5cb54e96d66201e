#include "pages/media_search_page.h"

#include <ctime>
#include <random>
#include <string>

#include "pages/media_kinds.h"
#include "pages/search_frame.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

struct MediaPageParts {
  MediaKind kind;
  const char* options;       // UTF-8
  const char* searchLabel;   // UTF-8
  const char* pollingStart;  // the video page breaks the line after the opening tag
};

const MediaPageParts kVideo{MediaKind::kVideo,
                            "<option value='22'>去百度视频搜索</option>"
                            "<option value='23'>去谷歌搜索</option>  "
                            "<option value='24'>去搜狗视频搜索</option>"
                            "<option value='25'>去有道视频搜索</option>"
                            "<option value='26'>去新浪视频搜索</option>"
                            "<option value='27'>去搜搜视频搜索</option>"
                            "<option value='28'>去必应视频搜索</option>  "
                            "<option value='29'>去搜库搜索</option>"
                            "<option value='30'>去土豆搜索</option> "
                            "<option value='21'>去凤凰视频搜索</option> "
                            "<option value='20'>去CNTV搜索</option> ",
                            "搜索视频 ", "<script language=\"javascript\">\r\nvar runa;\r\n"};

const MediaPageParts kImage{MediaKind::kImage,
                            "<option value='42'>去百度图片搜索</option>"
                            "<option value='43'>去谷歌搜索</option>  "
                            "<option value='49'>去雅虎图片搜索</option>"
                            "<option value='44'>去搜狗图片搜索</option>"
                            "<option value='45'>去有道图片搜索</option>"
                            "<option value='46'>去新浪图片搜索</option>"
                            "<option value='47'>去搜搜图片搜索</option>"
                            "<option value='48'>去必应图片搜索</option>  ",
                            "搜索图片 ", "<script language=\"javascript\">var runa;\r\n"};

const MediaPageParts kMusic{MediaKind::kMusic,
                            "<option value='62'>去百度MP3搜索</option>"
                            "<option value='63'>去搜搜音乐搜索</option>"
                            "<option value='64'>去搜狗音乐搜索</option>"
                            "<option value='65'>去谷歌音乐搜索</option>  "
                            "<option value='66'>去雅虎音乐搜索</option>",
                            "搜索音乐 ", "<script language=\"javascript\">var runa;\r\n"};

void AppendFrames(Text& page) {
  page +=
      "<iframe width='100%' herght='100' frameborder='0' src='jz' style='overflow:hidden;' "
      "scrolling='no' id='orvt2' name='orvt2'></iframe>"
      "<iframe width='100%' herght='150' frameborder='0' src='jz' "
      "style='overflow:hidden;display:none;' scrolling='no' id='orvt' name='orvt'></iframe>"
      "<script language=\"javascript\">document.orvt2.location='jz';</script>";
}

void AppendPollingScript(Text& page, const MediaPageParts& parts) {
  page += parts.pollingStart;
  page +=
      "function t(){\r\n"
      "try{document.getElementById(\"orvt\").contentWindow.document.getElementById(\"okl\")"
      ".innerHTML=\"\";clearInterval(runa);}\r\n"
      "catch(exp){document.orvt.location='";
  // The page lies in "sc" beside its list file.
  page += MediaKindRowOf(parts.kind).listFile.substr(3);
  page +=
      "';}\r\n"
      "}\r\n"
      "runa=window.setInterval(\"t()\",1000);\r\n"
      "</script>\r\n";
}

Text BuildMediaPage(const MediaPageParts& parts, int mode, std::uint32_t draw) {
  const MediaKindRow& kind = MediaKindRowOf(parts.kind);
  const int engine =
      static_cast<int>(draw % static_cast<std::uint32_t>(kind.engineCount)) + kind.firstEngine;
  Text page;
  page.reserve(4096);
  if (mode == kCompleteDocument) AppendDocumentOpening(page);
  AppendFrameTop(page, FrameVariant::kMediaPage, "");
  page += "<option value='" + std::to_string(engine) + Gbk("' selected>使用随机引擎</option>");
  page += Gbk(parts.options);
  AppendSearchLink(page, "http://ss/##/", Gbk(parts.searchLabel));
  AppendFrames(page);
  AppendFrameScript(page);
  AppendPollingScript(page, parts);
  if (mode == kCompleteDocument) AppendDocumentClosing(page);
  return page;
}

}  // namespace

std::uint32_t DrawMediaRandom() {
  std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(std::time(nullptr)));
  return static_cast<std::uint32_t>(generator());
}

Text BuildVideoPage(int mode, std::uint32_t draw) { return BuildMediaPage(kVideo, mode, draw); }
Text BuildImagePage(int mode, std::uint32_t draw) { return BuildMediaPage(kImage, mode, draw); }
Text BuildMusicPage(int mode, std::uint32_t draw) { return BuildMediaPage(kMusic, mode, draw); }
Text BuildVideoPage(int mode) { return BuildVideoPage(mode, DrawMediaRandom()); }
Text BuildImagePage(int mode) { return BuildImagePage(mode, DrawMediaRandom()); }
Text BuildMusicPage(int mode) { return BuildMusicPage(mode, DrawMediaRandom()); }

}  // namespace orvanta
