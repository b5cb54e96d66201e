#include "pages/search_frame.h"

#include <array>
#include <string>

#include "text/code_page.h"
#include "text/markup_escape.h"

namespace orvanta {
namespace {

struct NumberedLabel {
  int number;
  const char* label;  // UTF-8
};

void AppendPseudoLinks(Text& page, const NumberedLabel* links, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    page += "<a href='http://dh/#" + std::to_string(links[i].number) + "#dh' target='_blank'>" +
            Gbk(links[i].label) + "</a> ";
}

const Text& TopicAndRegionLinks() {
  static const Text links = [] {
    static constexpr NumberedLabel kTopics[] = {
        {1, "焦点"},   {2, "国内"},  {3, "国际"},  {4, "军事"},  {5, "财经"},
        {6, "互联网"}, {7, "房产"},  {8, "汽车"},  {9, "体育"},  {10, "娱乐"},
        {11, "游戏"},  {12, "教育"}, {13, "科技"}, {14, "社会"}, {15, "健康"},
    };
    // 49 stands last, behind 54.
    static constexpr NumberedLabel kRegions[] = {
        {21, "北京"}, {22, "上海"}, {23, "天津"},   {24, "重庆"},   {25, "广东"}, {26, "河北"},
        {27, "辽宁"}, {28, "吉林"}, {29, "甘肃"},   {30, "山西"},   {31, "四川"}, {32, "陕西"},
        {33, "河南"}, {34, "山东"}, {35, "湖南"},   {36, "湖北"},   {37, "江西"}, {38, "江苏"},
        {39, "浙江"}, {40, "安徽"}, {41, "福建"},   {42, "广西"},   {43, "贵州"}, {44, "香港"},
        {45, "澳门"}, {46, "海南"}, {47, "台湾"},   {48, "云南"},   {50, "青海"}, {51, "宁夏"},
        {52, "新疆"}, {53, "西藏"}, {54, "黑龙江"}, {49, "内蒙古"},
    };
    Text text = "<div style='margin-top:0px;margin-bottom:15px;text-align:center;'>";
    AppendPseudoLinks(text, kTopics, std::size(kTopics));
    text += Gbk("<a href='javascript:dq();' style='color:Green;'>地区</a> \r\n");
    text +=
        "<div id='lb' style='border:1px solid #000000;display:none;position:absolute;"
        "left:60px;top:139px; width:280px; background-color:White;padding:2px;"
        "line-height:150%;'>";
    text +=
        "<span style='height:9px;width:100%; text-align:left;cursor:hand;padding-left:5px;' "
        "onClick=lb.style.display='none';xxss='1';>X</span><br />";
    AppendPseudoLinks(text, kRegions, std::size(kRegions));
    text += "</div></DIV>\r\n";
    return text;
  }();
  return links;
}

}  // namespace

void AppendDocumentOpening(Text& page) { page += "<HTML><HEAD></HEAD><BODY>"; }

void AppendDocumentClosing(Text& page) { page += "</BODY></HTML>"; }

void AppendFrameTop(Text& page, FrameVariant variant, std::string_view keywordValue) {
  page += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />";
  page += "<STYLE>BODY {BACKGROUND: #fff; MARGIN: 0px; FONT: 14px arial; ";
  page += variant == FrameVariant::kNewsPageHead ? "TEXT-ALIGN: left;padding: 5px;}"
                                                 : "TEXT-ALIGN: left}";
  page +=
      "TD {FONT: 14px arial}FONT {FONT: 14px arial}#Text1 {PADDING-RIGHT: 1px; "
      "PADDING-LEFT: 1px; PADDING-BOTTOM: 3px; MARGIN: 0px 1px 9px 0px; FONT: 16px arial; "
      "VERTICAL-ALIGN: middle; WIDTH: 291px; PADDING-TOP: 3px; HEIGHT: 27px";
  page +=
      "}#sa {PADDING-top: 3px; BORDER-RIGHT: #6c9cc2 1px solid; BORDER-TOP: #6c9cc2 1px "
      "solid; MARGIN: 0px 6px 9px 1px; FONT: 18px arial; VERTICAL-ALIGN: middle; "
      "BORDER-LEFT: #6c9cc2 1px solid; WIDTH: 100px; CURSOR: hand; BORDER-BOTTOM: #6c9cc2 "
      "1px solid; HEIGHT: 27px; BACKGROUND-COLOR: #ebf3f8; TEXT-DECORATION: none";
  page += "}#se {FONT: 18px arial; WIDTH: 150px;} </STYLE>";
  page += "<div style='margin-top:55px; margin-bottom:15px;text-align:center;'>";
  page +=
      "<INPUT onmousemove=jd(); id=Text1 onkeydown=jd(); onmouseover=jd(); onfocus=jd(); "
      "onchange=jd(); value='";
  page += keywordValue;
  page += "'><select name='se' id='se'>";
}

void AppendNewsEngineOptions(Text& page) {
  static const Text options =
      Gbk("<option value='1' selected>使用导航引擎</option>"
          "<option value='2'>去百度新闻搜索</option>"
          "<option value='3'>去即刻新闻搜索</option>  "
          "<option value='4'>去搜狗新闻搜索</option>  "
          "<option value='5'>去谷歌资讯搜索</option>"
          "<option value='6'>去搜搜新闻搜索</option>"
          "<option value='7'>去有道新闻搜索</option>"
          "<option value='8'>去必应新闻搜索</option>  "
          "<option value='9'>去雅虎资讯搜索</option>"
          "<option value='10'>去新浪微博搜索</option> ");
  page += options;
}

void AppendSearchLink(Text& page, std::string_view address, std::string_view label) {
  page += "</select><A onmousemove=dk(); id=sa onfocus=dk(); href='";
  page += address;
  page += "' target=_blank>";
  page += label;
  page += "</A>";
  page += "</DIV>\r\n";
}

void AppendTopicAndRegionLinks(Text& page) { page += TopicAndRegionLinks(); }

void AppendFrameScript(Text& page) {
  static const Text script = Gbk(
      "<SCRIPT type=text/javascript>function jd(){var aa=document.getElementById('sa');"
      "var bb=document.getElementById('Text1');\r\n"
      "if(window.event.keyCode==13){aa.focus();}if(bb.value==''||bb.value=='请输入关键字')\r\n"
      "{bb.value='';bb.focus();}}\r\n"
      "function dk(){var vt=document.getElementById('Text1');var cc=document.getElementById('sa');"
      "var vt2=document.getElementById('se');\r\n"
      "cc.href='http://ss/#'+vt.value+'#'+vt2.value+'#';\r\n"
      "}\r\n"
      "function getKeyCode(){jd();}document.onkeydown=getKeyCode;\r\n"
      "function dq(){var hh = document.getElementById('lb');"
      "hh.style.left=(document.body.scrollWidth-776)/2+380;hh.style.display='';}\r\n"
      "</SCRIPT>\r\n");
  page += script;
}

const Text& NewsSearchLabel() {
  static const Text label = Gbk("搜索资讯 ");
  return label;
}

Text BuildNewsPageHead(const Text& title) {
  Text page;
  page.reserve(4096);
  // The title goes into a quoted attribute: escaped, so that a quote cannot end it early.
  AppendFrameTop(page, FrameVariant::kNewsPageHead, EscapeMarkup(title));
  AppendNewsEngineOptions(page);
  AppendSearchLink(page, "http://ss/##/", NewsSearchLabel());
  AppendTopicAndRegionLinks(page);
  AppendFrameScript(page);
  return page;
}

}  // namespace orvanta
