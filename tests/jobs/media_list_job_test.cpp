#include "jobs/media_list_job.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "pages/media_list_markup.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;
using orvanta::testing::RunCli;

Text Link(const char* restUtf8) { return "<a target='_blank' " + Gbk(restUtf8) + "/a>"; }

Text ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(ChooseMediaListSources, PicksTheThreeHomePagesByTheListName) {
  struct Row {
    const char* listFile;
    const char* source1;
    const char* source2;
    const char* source3;
  };
  const Row rows[] = {
      {"sc/~astq3339681", "http://www.youku.com", "http://www.iqiyi.com/", "http://www.tudou.com/"},
      {"sc/~astq3339682", "http://image.yahoo.cn/", "http://image.baidu.com/",
       "http://image.soso.com/"},
      {"sc/~astq3339683", "http://music.soso.com/index.html", "http://mp3.baidu.com/",
       "http://mp3.sogou.com/"},
      // The names are found only beyond the first character; anything else is music.
      {"3339681", "http://music.soso.com/index.html", "http://mp3.baidu.com/",
       "http://mp3.sogou.com/"},
      {"", "http://music.soso.com/index.html", "http://mp3.baidu.com/", "http://mp3.sogou.com/"},
  };
  for (const Row& row : rows) {
    const MediaListSources sources = ChooseMediaListSources(row.listFile);
    EXPECT_EQ(sources.source1, row.source1) << row.listFile;
    EXPECT_EQ(sources.source2, row.source2) << row.listFile;
    EXPECT_EQ(sources.source3, row.source3) << row.listFile;
    EXPECT_EQ(sources.source4, "");
    EXPECT_EQ(sources.source5, "");
  }
}

class MediaListJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvanta-media-job-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    directory = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(directory); }

  LoopbackServer server;
  ProxyEnvironment proxy{server.Address("")};
  std::filesystem::path directory;
};

TEST_F(MediaListJobTest, BuildsTheImageListFromTheThreeImageSites) {
  server.ServeFixture("image.yahoo.cn", "/", "media/yahoo_image_home_gbk.html");
  server.ServeFixture("image.baidu.com", "/", "media/baidu_image_home_gbk.html");
  server.ServeFixture("image.soso.com", "/", "media/soso_image_home_utf8.html");
  const Text listFile = (directory / "~astq3339682").string();
  RunMediaListJob(listFile, ChooseMediaListSources("sc/~astq3339682"));
  const Text list =
      Link(" href=\"http://image.yahoo.cn/toplist.php?c=1\">美女排行<") +
      Link(" href=\"http://image.yahoo.cn/s?q=%B1%DA%D6%BD\" over=\"hl(this)\">壁纸<") +
      Link(" href=\"http://image.yahoo.cn/c/star\">明星写真<") +
      Link(" href=\"http://image.baidu.com/i?&word=%E5%A3%81\">壁纸大全<") +
      Link(" href=\"http://image.baidu.com/channel/star\">明星<") +
      Link(" href=\"http://image.soso.com/image.cgi?&w=a\">风景摄影<") +
      Link(" href=\"http://image.soso.com/pet/\">可爱宠物<");
  EXPECT_EQ(ReadFile(listFile), BuildMediaListMarkup(list));
}

TEST_F(MediaListJobTest, TheCliWritesTheVideoListIntoSc) {
  server.ServeFixture("www.youku.com", "/", "media/youku_home_utf8.html");
  server.ServeFixture("www.iqiyi.com", "/", "media/iqiyi_home_utf8.html");
  server.ServeFixture("www.tudou.com", "/", "media/tudou_home_gbk.html");
  const auto result = RunCli({"media-list", "video"}, "", directory.string());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  const Text list =
      Link(" href=\"http://tv.youku.com/\" title=\"电视剧\">电视剧<") +
      Link(" href=\"http://movie.youku.com/\">电影<") +
      Link(" href=\"http://v.youku.com/v_show/id_1.html\" target=\"_blank\">新电影预告片<") +
      Link(" HREF=\"http://www.iqiyi.com/dongman/\">动漫<") +
      Link(" href=\"http://www.iqiyi.com/v_2.html\">搞笑视频<") +
      Link(" href=\"http://www.tudou.com/sports/\">体育频道<") +
      Link(" href=\"http://www.tudou.com/auto/\">汽车<");
  EXPECT_EQ(ReadFile(directory / "sc" / "~astq3339681"), BuildMediaListMarkup(list));
}

TEST_F(MediaListJobTest, TheCliBuildsMusicAndReportsADeadFirstSite) {
  server.ServeFixture("music.soso.com", "/index.html", "media/soso_music_index_gbk.html");
  server.ServeFixture("mp3.baidu.com", "/", "media/baidu_mp3_home_gbk.html");
  server.ServeFixture("mp3.sogou.com", "/", "media/sogou_mp3_home_gbk.html");
  ASSERT_EQ(RunCli({"media-list", "music"}, "", directory.string()).status, 0);
  EXPECT_EQ(ReadFile(directory / "sc" / "~astq3339683"),
            BuildMediaListMarkup(Link(" href=\"http://music.soso.com/top/\">排行榜<") +
                                 Link(" href=\"http://music.soso.com/new/\">新歌首发<") +
                                 Link(" href=\"http://mp3.baidu.com/list/new\">新歌金曲<") +
                                 Link(" href=\"http://mp3.baidu.com/list/rock\">摇滚<") +
                                 Link(" href=\"http://mp3.sogou.com/top\">热门歌曲<")));

  server.Serve("music.soso.com", "/index.html", "");
  const auto failed = RunCli({"media-list", "music"}, "", directory.string());
  EXPECT_EQ(failed.status, 0);
  EXPECT_EQ(failed.out, Gbk("打开目标地址出错，请检查网络连接状况") + "\n");
  EXPECT_EQ(ReadFile(directory / "sc" / "~astq3339683"), BuildMediaListFailureMarkup());
  EXPECT_EQ(RunCli({"media-list", "movies"}, "", directory.string()).status, 2);
  EXPECT_EQ(RunCli({"media-list"}, "", directory.string()).status, 2);
}

}  // namespace
}  // namespace orvanta
