#include "jobs/media_list_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "pages/media_list_markup.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

Text Link(const char* restUtf8) { return "<a target='_blank' " + Gbk(restUtf8) + "/a>"; }

TEST(ChooseMediaListSources, PicksTheThreeHomePagesByTheListName) {
  const char* const video[] = {"http://www.youku.com", "http://www.iqiyi.com/",
                               "http://www.tudou.com/"};
  const char* const image[] = {"http://image.yahoo.cn/", "http://image.baidu.com/",
                               "http://image.soso.com/"};
  const char* const music[] = {"http://music.soso.com/index.html", "http://mp3.baidu.com/",
                               "http://mp3.sogou.com/"};
  const struct {
    const char* listFile;
    const char* const* sources;
  } rows[] = {
      {"sc/~astq3339681", video},
      {"sc/~astq3339682", image},
      {"sc/~astq3339683", music},
      // The names are found only beyond the first character; anything else is music.
      {"3339681", music},
      {"", music},
  };
  for (const auto& row : rows) {
    const MediaListSources sources = ChooseMediaListSources(row.listFile);
    EXPECT_EQ((std::vector<Text>{sources.source1, sources.source2, sources.source3, sources.source4,
                                 sources.source5}),
              (std::vector<Text>{row.sources[0], row.sources[1], row.sources[2], "", ""}))
        << row.listFile;
  }
}

// The real program against the real sites' home pages (as fixtures), through a proxy.
class MediaListCommandTest : public ::testing::Test {
 protected:
  testing::LoopbackServer server;
  testing::ProxyEnvironment proxy{server.Address("")};
  testing::TempFolder folder;
};

TEST_F(MediaListCommandTest, WritesEachListIntoScFromItsThreeSites) {
  const struct {
    const char* kind;
    const char* listFile;
    std::vector<std::vector<std::string>> pages;  // host, path, fixture
    Text list;
  } rows[] = {
      {"video",
       "sc/~astq3339681",
       {{"www.youku.com", "/", "youku_home_utf8.html"},
        {"www.iqiyi.com", "/", "iqiyi_home_utf8.html"},
        {"www.tudou.com", "/", "tudou_home_gbk.html"}},
       Link(" href=\"http://tv.youku.com/\" title=\"电视剧\">电视剧<") +
           Link(" href=\"http://movie.youku.com/\">电影<") +
           Link(" href=\"http://v.youku.com/v_show/id_1.html\" target=\"_blank\">新电影预告片<") +
           // the hostile links of this page are gone
           Link(" HREF=\"http://www.iqiyi.com/dongman/\">动漫<") +
           Link(" href=\"http://www.iqiyi.com/v_2.html\">搞笑视频<") +
           Link(" href=\"http://www.tudou.com/sports/\">体育频道<") +
           Link(" href=\"http://www.tudou.com/auto/\">汽车<")},
      {"image",
       "sc/~astq3339682",
       {{"image.yahoo.cn", "/", "yahoo_image_home_gbk.html"},
        {"image.baidu.com", "/", "baidu_image_home_gbk.html"},
        {"image.soso.com", "/", "soso_image_home_utf8.html"}},
       Link(" href=\"http://image.yahoo.cn/toplist.php?c=1\">美女排行<") +
           Link(" href=\"http://image.yahoo.cn/s?q=%B1%DA%D6%BD\" over=\"hl(this)\">壁纸<") +
           Link(" href=\"http://image.yahoo.cn/c/star\">明星写真<") +
           Link(" href=\"http://image.baidu.com/i?&word=%E5%A3%81\">壁纸大全<") +
           Link(" href=\"http://image.baidu.com/channel/star\">明星<") +
           Link(" href=\"http://image.soso.com/image.cgi?&w=a\">风景摄影<") +
           Link(" href=\"http://image.soso.com/pet/\">可爱宠物<")},
      {"music",
       "sc/~astq3339683",
       {{"music.soso.com", "/index.html", "soso_music_index_gbk.html"},
        {"mp3.baidu.com", "/", "baidu_mp3_home_gbk.html"},
        {"mp3.sogou.com", "/", "sogou_mp3_home_gbk.html"}},
       Link(" href=\"http://music.soso.com/top/\">排行榜<") +
           Link(" href=\"http://music.soso.com/new/\">新歌首发<") +
           Link(" href=\"http://mp3.baidu.com/list/new\">新歌金曲<") +
           Link(" href=\"http://mp3.baidu.com/list/rock\">摇滚<") +
           Link(" href=\"http://mp3.sogou.com/top\">热门歌曲<")},
  };
  for (const auto& row : rows) {
    for (const auto& page : row.pages) server.ServeFixture(page[0], page[1], "media/" + page[2]);
    const auto result = RunCli({"media-list", row.kind}, "", folder.Path());
    EXPECT_EQ(result.status, 0) << row.kind;
    EXPECT_EQ(result.out, "") << row.kind;
    EXPECT_EQ(folder.Read(row.listFile), BuildMediaListMarkup(row.list)) << row.kind;
  }
}

TEST_F(MediaListCommandTest, PrintsTheMessageOfADeadFirstSiteAndRefusesOtherKinds) {
  server.Serve("music.soso.com", "/index.html", "");
  const auto failed = RunCli({"media-list", "music"}, "", folder.Path());
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, Gbk("打开目标地址出错，请检查网络连接状况") + "\n");
  EXPECT_EQ(folder.Read("sc/~astq3339683"), BuildMediaListFailureMarkup());
  EXPECT_EQ(RunCli({"media-list", "movies"}, "", folder.Path()).status, 2);
  EXPECT_EQ(RunCli({"media-list"}, "", folder.Path()).status, 2);
}

}  // namespace
}  // namespace orvanta
