#include "shell/about_box_texts.h"

#include "net/service_hosts.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

std::string MakerAddress(std::string_view path) {
  return "http://" + std::string(hosts::kMaker) + "/" + std::string(path);
}

std::string MakerMail() { return "author@" + std::string(hosts::kMaker); }

AboutBoxTexts MakeAboutBoxTexts() {
  AboutBoxTexts about;
  about.title = "Orvanta";
  about.group = Gbk("关于");
  about.groupRect = {15, 12, 390, 145};
  about.ok = Gbk("确定");
  about.okRect = {230, 182, 57, 31};
  about.clientSize = {0, 0, 420, 225};
  about.statics = {{
      {1024, Gbk("博客："), {200, 36, 57, 11}},
      {1025, Gbk("网站："), {200, 60, 57, 11}},
      {1026, Gbk("邮箱："), {200, 84, 57, 11}},
      {1027, Gbk("名称：Orvanta"), {30, 36, 157, 11}},
      {1028, Gbk("版本：V1.0"), {30, 60, 157, 11}},
      {1029, Gbk("作者：Orvanta 开发组"), {30, 84, 157, 11}},
      {1030, Gbk("类型：网页导航与新闻阅读"), {30, 108, 157, 11}},
      {1031, Gbk("升级：如需更新软件新版本，请至博客或网站获取新版本"), {30, 132, 357, 11}},
      {1032, Gbk("版权所有 Orvanta"), {90, 192, 98, 11}},
  }};
  const std::string site = MakerAddress("");
  const std::string blog = MakerAddress("blog/");
  about.links = {{
      {1003, blog, std::string(hosts::kMaker) + "/blog/", 224, {235, 36, 157, 11}, false},
      {1001, site, std::string(hosts::kMaker), 223, {235, 60, 157, 11}, false},
      {1004, "mailto:" + MakerMail(), MakerMail(), 222, {235, 84, 157, 11}, true},
  }};
  about.fontFace = Gbk("宋体");
  return about;
}

SmallAboutTexts MakeSmallAboutTexts() {
  SmallAboutTexts small;
  small.title = Gbk("关于 kelmo");
  small.line = Gbk("Orvanta 1.0 版");
  small.rights = Gbk("版权所有 Orvanta");
  small.ok = Gbk("确定");
  return small;
}

}  // namespace

const AboutBoxTexts& GetAboutBoxTexts() {
  static const AboutBoxTexts texts = MakeAboutBoxTexts();
  return texts;
}

const SmallAboutTexts& GetSmallAboutTexts() {
  static const SmallAboutTexts texts = MakeSmallAboutTexts();
  return texts;
}

bool AboutBoxShowsHand(int controlId) {
  return controlId == 1001 || controlId == 1003 || controlId == 1004 || controlId == 1;
}

}  // namespace orvanta
