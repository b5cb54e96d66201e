#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;
using orvanta::testing::RunCliOnTerminal;
using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TerminalStream;

Text Utf8(Text text) {
  LocalToUtf8(text);
  return text;
}

// A working folder whose subscription list holds 体育 first.
class PersonTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RunCli({"subscribe", "体育"}, "", folder.Path()).status, 0); }

  orvanta::testing::TempFolder folder;
  ScopedEnvironment utf8Locale{"LC_ALL", "C.UTF-8"};
};

// Each command runs into a pipe and on a terminal: the terminal shows the pipe's bytes, in
// UTF-8 where they are meant for a person, and the pipe's bytes are the system's own.
TEST_F(PersonTextTest, MessagesAndTheListAreInTheLocalesEncodingOnATerminalOnly) {
  const struct {
    std::vector<std::string> arguments;
    bool forPerson;
    const char* covers;
  } rows[] = {
      {{"subscriptions"}, true, "the subscriptions list"},
      {{"subscribe", "体育"}, true, "a subscription message"},
      {{"topic", "99"}, true, "a job's download error"},
      {{"search", "23", ""}, true, "the message a search shows instead of an address"},
      {{"search", "62", "音乐"}, false, "an address is for the engine: the same bytes"},
      {{"page", "loading"}, false, "a page is data"},
  };
  for (const auto& row : rows) {
    const auto piped = RunCli(row.arguments, "", folder.Path());
    const auto shown =
        RunCliOnTerminal(row.arguments, TerminalStream::kStandardOutput, folder.Path());
    ASSERT_FALSE(piped.out.empty()) << row.covers;
    EXPECT_NE(piped.out, Utf8(piped.out)) << row.covers << ": a text with Chinese in it";
    EXPECT_EQ(shown.out, row.forPerson ? Utf8(piped.out) : piped.out) << row.covers;
    EXPECT_EQ(shown.status, piped.status) << row.covers;
  }
  EXPECT_TRUE(RunCli({"subscriptions"}, "", folder.Path()).out.starts_with(Gbk("体育\n")));
}

TEST_F(PersonTextTest, ALocaleWithoutChineseShowsQuestionMarks) {
  ScopedEnvironment asciiLocale("LC_ALL", "C");
  const auto shown =
      RunCliOnTerminal({"subscriptions"}, TerminalStream::kStandardOutput, folder.Path());
  EXPECT_TRUE(shown.out.starts_with("??\n")) << shown.out;
}

// A person watching standard error does not change what goes into the pipe, and sees the
// error on the terminal in the locale's encoding.
TEST_F(PersonTextTest, EachStreamFollowsItsOwnReader) {
  const auto piped = RunCli({"subscriptions"}, "", folder.Path());
  const auto watched =
      RunCliOnTerminal({"subscriptions"}, TerminalStream::kStandardError, folder.Path());
  EXPECT_EQ(watched.out, piped.out);
  std::filesystem::remove(folder.At("sc/jzxml"));
  std::filesystem::create_directory(folder.At("sc/jzxml"));  // a folder where the file should be
  const auto failed =
      RunCliOnTerminal({"subscriptions"}, TerminalStream::kStandardError, folder.Path());
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, "无法读取订阅文件“sc/jzxml”。\n");
}

}  // namespace
}  // namespace orvanta
