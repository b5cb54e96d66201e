#include "shell/typed_url_history.h"

#include <gtest/gtest.h>

#include <string>

#include "favorites/temp_folder.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TempFolder;

TEST(TypedUrlHistory, LivesUnderTheConfigFolder) {
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/cfg/");
    EXPECT_EQ(TypedUrlHistoryPath(), "/tmp/cfg/orvanta/typed-urls");
  }
  ScopedEnvironment home("HOME", "/home/someone");
  ScopedEnvironment relative("XDG_CONFIG_HOME", "relative/cfg");
  EXPECT_EQ(TypedUrlHistoryPath(), "/home/someone/.config/orvanta/typed-urls");
}

TEST(TypedUrlHistory, RecordsNewestFirstWithoutDuplicatesAndMakesTheFolder) {
  TempFolder folder;
  const std::string path = folder.At("deep/orvanta/typed-urls");
  EXPECT_TRUE(ReadTypedUrls(path).empty());
  ASSERT_TRUE(RecordTypedUrl(path, "www.a.com"));
  ASSERT_TRUE(RecordTypedUrl(path, Gbk("http://b.cn/新闻")));
  ASSERT_TRUE(RecordTypedUrl(path, "www.a.com"));
  EXPECT_EQ(ReadTypedUrls(path), (TextArray{"www.a.com", Gbk("http://b.cn/新闻")}));
  // The file is UTF-8 for anybody who opens it.
  EXPECT_EQ(folder.Read("deep/orvanta/typed-urls"), "www.a.com\nhttp://b.cn/新闻\n");
}

TEST(TypedUrlHistory, KeepsTheNewestHundred) {
  TempFolder folder;
  const std::string path = folder.At("typed-urls");
  for (int n = 1; n <= 105; ++n) ASSERT_TRUE(RecordTypedUrl(path, "u" + std::to_string(n)));
  const TextArray urls = ReadTypedUrls(path);
  ASSERT_EQ(urls.size(), 100u);
  EXPECT_EQ(urls.front(), "u105");
  EXPECT_EQ(urls.back(), "u6");

  std::string file;
  for (int n = 1; n <= 150; ++n) file += "line" + std::to_string(n) + "\r\n";
  folder.Write("typed-urls", file);
  const TextArray read = ReadTypedUrls(path);
  ASSERT_EQ(read.size(), 100u);
  EXPECT_EQ(read[0], "line1");
  EXPECT_EQ(read[99], "line100");
}

TEST(TypedUrlHistory, RefusesAddressesThatWouldNotReadBack) {
  TempFolder folder;
  const std::string path = folder.At("typed-urls");
  const struct {
    std::string address;
    const char* covers;
  } rows[] = {
      {"", "empty"},
      {"a\nwww.injected.com", "a line break would add an entry"},
      {std::string("a\0b", 3), "zero byte"},
      {std::string(1024, 'x'), "longer than the value buffer"},
      {"\x81", "a lone GBK lead byte"},
  };
  for (const auto& row : rows) EXPECT_FALSE(RecordTypedUrl(path, row.address)) << row.covers;
  EXPECT_FALSE(folder.Has("typed-urls"));
  EXPECT_TRUE(RecordTypedUrl(path, std::string(1023, 'x')));
  EXPECT_FALSE(RecordTypedUrl("", "www.a.com"));
}

TEST(TypedUrlHistory, OddFilesGiveOnlyTheirSoundLines) {
  TempFolder folder;
  const std::string path = folder.At("typed-urls");
  std::string file = "good1\n";
  file += std::string(5000, 'h') + "\n";          // too long for an address
  file += std::string("bin\0ary\xff\xfe\n", 11);  // zero byte and bytes that are no UTF-8
  file += "\n\ngood2\n";
  file += std::string("tab\there\n");
  file += "last-without-newline";
  folder.Write("typed-urls", file);
  EXPECT_EQ(ReadTypedUrls(path), (TextArray{"good1", "good2", "last-without-newline"}));

  // One enormous line: read only as far as the bound, and nothing comes of it.
  folder.Write("typed-urls", std::string(8 * 1024 * 1024, 'z'));
  EXPECT_TRUE(ReadTypedUrls(path).empty());
  // A folder in the file's place.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_TRUE(ReadTypedUrls(path).empty());
  EXPECT_FALSE(RecordTypedUrl(path, "www.a.com"));
}

}  // namespace
}  // namespace orvanta
