#include "pages/loading_page.h"

#include "text/code_page.h"

namespace orvanta {

Text BuildLoadingPage(int /*mode*/) {
  static const Text page = Gbk(
      "<html><head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n"
      "<title>数据正在加载中 ...</title></head>"
      "<script language=\"JavaScript\" type=\"text/javascript\">var t_id = setInterval(animate,20);"
      "var pos=0;var dir=2;var len=0;function animate(){var elem = document.getElementById('progress');"
      "if(elem != null) {if (pos==0) len += dir;if (len>32 || pos>79) pos += dir;if (pos>79) len -= dir;"
      "if (pos>79 && len==0) pos=0;elem.style.left = pos;elem.style.width = len;}}"
      "function remove_loading() {this.clearInterval(t_id);"
      "var targelem = document.getElementById('loader_container');targelem.style.display='none';"
      "targelem.style.visibility='hidden';}</script>"
      "<style>#loader_container {text-align:center;position:absolute;top:40%;width:100%;left: 0;}"
      "#loader {font-family:Tahoma, Helvetica, sans;font-size:11.5px;color:#000000;"
      "background-color:#FFFFFF;padding:10px 0 16px 0;margin:0 auto;display:block; width:130px;"
      "border:1px solid #5a667b;text-align:left; z-index:2;}#progress { height:5px; font-size:1px; "
      "width:1px; position:relative; top:1px; left:0px;background-color:#8894a8;}"
      "#loader_bg { background-color:#e4e7eb; position:relative; top:8px; left:8px; height:7px;"
      "width:113px; font-size:1px;}</style>"
      "<body onLoad=\"remove_loading();\">"
      "<div id=\"loader_container\"> <div id=\"loader\"><div align=\"center\">数据正在加载中 ...</div> "
      "<div id=\"loader_bg\"><div id=\"progress\"> = </div></div> </div></div>"
      "<div id=\"Loading\" style=\"height:400px; width:100px\"></div>"
      "<div id=\"Demo\" style=\"display:none\"></div>"
      "<script type=\"text/javascript\">window.onload=function(){"
      "document.getElementById(\"Loading\").style.display=\"none\";"
      "document.getElementById(\"Demo\").style.display=\"\";}</script></body>");
  return page;
}

}  // namespace orvanta
