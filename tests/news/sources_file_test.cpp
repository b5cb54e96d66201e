#include "news/sources_file.h"

#include <gtest/gtest.h>

#include <string>

#include "favorites/temp_folder.h"
#include "news/news_source_table.h"
#include "news/sources_report.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using testing::TempFolder;

const std::string kA = "http://a.example/1.xml";
const std::string kB = "https://b.example/2.xml";

std::string Repeated(const std::string& piece, int times) {
  std::string repeated;
  for (int k = 0; k < times; ++k) repeated += piece;
  return repeated;
}

NewsFeedSlots Slots(std::initializer_list<Text> given) {
  NewsFeedSlots slots;
  std::copy(given.begin(), given.end(), slots.begin());
  return slots;
}

TEST(ParseSourcesFile, ReplacesAllSixSlotsOfARowGiven) {
  const struct {
    std::string file;
    const char* number;
    NewsFeedSlots expected;
    const char* covers;
  } cases[] = {
      {"9\t" + kA + "\t" + kB + "\n", "9", Slots({kA, kB}), "two addresses, four empty slots"},
      {"9\t" + kA + "\t\t\t\t\t" + kB, "9", Slots({kA, "", "", "", "", kB}),
       "all six, no line end"},
      {"9\t" + kA + "\t\t\t\t\t" + kB + "\t\t\n", "9", Slots({kA, "", "", "", "", kB}),
       "empty fields keep their slots empty; trailing tabs are not a seventh address"},
      {"53\t" + kA + "\r\n", "53", Slots({kA}), "CR LF line ends"},
      {"\xEF\xBB\xBF"
       "1\t" +
           kA,
       "1", Slots({kA}), "a byte order mark at the start"},
      {"# 9\thttp://x.example/\n  # note\n\n \t \n9\t" + kA + "\n", "9", Slots({kA}),
       "comments and blank lines"},
      {"9\n", "9", Slots({}), "a row without addresses empties all six slots"},
      {"22\thttp://n.example/q=上海\n", "22", Slots({"http://n.example/q=" + Gbk("上海")}),
       "UTF-8 text becomes GBK like every text inside"},
  };
  for (const auto& c : cases) {
    const SourcesFile file = ParseSourcesFile(c.file, "sources");
    EXPECT_TRUE(file.problems.empty()) << c.covers << ": " << file.problems.front();
    ASSERT_EQ(file.overrides.rows.size(), 1u) << c.covers;
    EXPECT_EQ(file.overrides.rows.at(c.number), c.expected) << c.covers;
    EXPECT_FALSE(file.overrides.keyword) << c.covers;
  }
}

TEST(ParseSourcesFile, ReportsEveryBadLineWithFileAndNumberAndKeepsTheBuiltInRow) {
  const struct {
    std::string line;
    std::string why;  // UTF-8
    const char* covers;
  } cases[] = {
      {"16\t" + kA, "“16”不是新闻源表中的编号", "a number the table skips"},
      {" 9\t" + kA, "“ 9”不是新闻源表中的编号", "a blank in front is part of the number"},
      {"9    " + kA, "第一栏不是新闻源表中的编号",
       "blanks instead of a tab; a long field unrepeated"},
      {"9" + Repeated("\t" + kA, 7), "地址多于六个", "seven addresses"},
      {"9\t" + kA + "\tnews.example/feed.xml", "第2个地址不是 http 或 https 地址", "no scheme"},
      {"9\t \t" + kA, "第1个地址不是 http 或 https 地址", "a field of blanks is not empty"},
      {"9\thttp://a.example/\xFF", "不是 UTF-8 文本，或有 GBK 无法表示的字符", "not UTF-8"},
      {"keyword", "最后一栏应为 gbk 或 utf8", "no encoding"},
      {"keyword\thttp://k.example/?q={keyword}\tGBK", "最后一栏应为 gbk 或 utf8", "exact names"},
      {"keyword" + Repeated("\thttp://k.example/?q={keyword}", 6) + "\tgbk", "地址模板多于五个",
       "six templates"},
      {"keyword\thttp://k.example/news.xml\tgbk", "第1个地址模板中没有 {keyword}",
       "no placeholder"},
      {"keyword\t\t{keyword}\tutf8", "第2个地址模板不是 http 或 https 地址", "no address"},
  };
  for (const auto& c : cases) {
    const SourcesFile file = ParseSourcesFile("# first line\n" + c.line + "\n", "/home/u/sources");
    ASSERT_EQ(file.problems.size(), 1u) << c.covers;
    EXPECT_EQ(file.problems[0], Gbk("/home/u/sources 第2行：" + c.why)) << c.covers;
    EXPECT_TRUE(file.overrides.rows.empty()) << c.covers;
    EXPECT_FALSE(file.overrides.keyword) << c.covers;
  }
}

TEST(ParseSourcesFile, GoodLinesAroundBadOnesCountAndTheFirstOfARepeatedRowStands) {
  const SourcesFile file = ParseSourcesFile(
      "9\t" + kA + "\n9\t" + kB + "\nkeyword\tgbk\nkeyword\thttp://k.example/{keyword}\tutf8\n" +
          "2\tnot an address\n3\t" + kB + "\n",
      "sources");
  ASSERT_EQ(file.problems.size(), 3u);
  EXPECT_EQ(file.problems[0], Gbk("sources 第2行：“9” 已在第1行给出，这一行未用"));
  EXPECT_EQ(file.problems[1], Gbk("sources 第4行：keyword 已在第3行给出，这一行未用"));
  EXPECT_EQ(file.overrides.rows.size(), 2u);
  EXPECT_EQ(file.overrides.rows.at("9"), Slots({kA}));
  ASSERT_TRUE(file.overrides.keyword);
  EXPECT_EQ(file.overrides.keyword->addresses, (std::array<Text, 5>{}));
  // The names of the rows stay the built-in ones.
  EXPECT_EQ(LookUpNewsSource("3", file.overrides).title, Gbk("国际"));
  EXPECT_EQ(LookUpNewsSource("3", file.overrides).slots, Slots({kB}));
  EXPECT_EQ(LookUpNewsSource("2", file.overrides).slots, LookUpNewsSource("2").slots);
}

TEST(ParseSourcesFile, KeywordLineKeepsItsSlotsAndEncoding) {
  const SourcesFile file = ParseSourcesFile(
      "keyword\thttp://k.example/?q={keyword}\t\thttps://j.example/{keyword}/{keyword}.xml\tutf8\n",
      "f");
  ASSERT_TRUE(file.problems.empty()) << file.problems.front();
  ASSERT_TRUE(file.overrides.keyword);
  EXPECT_EQ(file.overrides.keyword->encoding, KeywordEncoding::kUtf8);
  EXPECT_EQ(file.overrides.keyword->addresses,
            (std::array<Text, 5>{"http://k.example/?q={keyword}", "",
                                 "https://j.example/{keyword}/{keyword}.xml", "", ""}));
}

TEST(ReadSourcesFile, AMissingFileIsNoProblemAndAnOddOneIsOne) {
  TempFolder folder;
  EXPECT_TRUE(ReadSourcesFile(folder.At("sources")).problems.empty()) << "missing";
  EXPECT_TRUE(ReadSourcesFile("").problems.empty()) << "no home";
  std::filesystem::create_directory(folder.At("folder"));
  folder.Write("big", "# " + std::string(kSourcesFileLimit, 'x') + "\n");
  for (const auto& [name, why] : {std::pair{"folder", "：不是普通文件，没有读取"},
                                  std::pair{"big", "：大于 1 MB，没有读取"}}) {
    const SourcesFile file = ReadSourcesFile(folder.At(name));
    ASSERT_EQ(file.problems.size(), 1u) << name;
    EXPECT_EQ(file.problems[0], Gbk(folder.At(name) + why)) << name;
  }
}

TEST(SourcesReport, NamesEveryProblemUpToALimitAndOnlyOnceARun) {
  EXPECT_FALSE(SourcesReport({}));
  const Text heading = Gbk("新闻源文件有误，出错之处未被采用，那些新闻源仍用内置的：");
  EXPECT_EQ(SourcesReport({"a", "b"}), heading + "\na\nb");
  const Text report = *SourcesReport(TextArray(kReportedProblemsLimit + 3, "x"));
  EXPECT_EQ(std::count(report.begin(), report.end(), 'x'), int(kReportedProblemsLimit));
  EXPECT_TRUE(report.ends_with(Gbk("……另有3处错误")));

  ReportLatch latch;
  EXPECT_FALSE(latch.Pass(std::nullopt)) << "a clean read";
  EXPECT_EQ(latch.Pass(Text("first")), "first") << "a clean read before does not use it up";
  EXPECT_FALSE(latch.Pass(Text("second")));
  EXPECT_FALSE(latch.Pass(Text("first")));
}

}  // namespace
}  // namespace orvanta
