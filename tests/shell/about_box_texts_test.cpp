#include "shell/about_box_texts.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(AboutBoxTexts, LinksLeadToTheMakerOnly) {
  const AboutBoxTexts& about = GetAboutBoxTexts();
  EXPECT_EQ(about.links[0].id, 1003);
  EXPECT_EQ(about.links[0].target, "http://orvanta.example/blog/");
  EXPECT_EQ(about.links[1].id, 1001);
  EXPECT_EQ(about.links[1].target, "http://orvanta.example/");
  EXPECT_EQ(about.links[2].id, 1004);
  EXPECT_EQ(about.links[2].target.rfind("mailto:", 0), 0u);
  EXPECT_NE(about.links[2].target.find("@orvanta.example"), std::string::npos);
  EXPECT_TRUE(about.links[2].opensMail);
  EXPECT_FALSE(about.links[0].opensMail);
}

TEST(AboutBoxTexts, HoldsTheSystemTextsInCodePage936) {
  const AboutBoxTexts& about = GetAboutBoxTexts();
  EXPECT_EQ(about.statics[3].id, 1027);
  EXPECT_EQ(about.statics[3].text, Gbk("名称：Orvanta"));
  EXPECT_EQ(about.statics[4].text, Gbk("版本：V1.0"));
  EXPECT_EQ(about.statics[7].text, Gbk("升级：如需更新软件新版本，请至博客或网站获取新版本"));
  EXPECT_EQ(about.statics[7].rect, (AboutRect{30, 132, 357, 11}));
  EXPECT_EQ(about.ok, Gbk("确定"));
  EXPECT_EQ(GetSmallAboutTexts().title, Gbk("关于 kelmo"));
  EXPECT_EQ(GetSmallAboutTexts().line, Gbk("Orvanta 1.0 版"));
  for (int id : {1, 1001, 1003, 1004}) EXPECT_TRUE(AboutBoxShowsHand(id)) << id;
  for (int id : {1020, 1024, 1027}) EXPECT_FALSE(AboutBoxShowsHand(id)) << id;
}

}  // namespace
}  // namespace orvanta
