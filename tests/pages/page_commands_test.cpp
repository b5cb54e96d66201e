// The page and advert subcommands of orvanta-cli, run as the real program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "support/run_cli.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

TEST(PageCommands, PrintThePagesBytesExactly) {
  struct Row {
    std::vector<std::string> arguments;
    const char* fixture;
  };
  const Row rows[] = {
      {{"page", "video", "1", "--draw", "7"}, "video_page_draw_7_complete.html"},
      {{"page", "video", "--draw", "7"}, "video_page_draw_7_complete.html"},
      {{"page", "video", "--draw=7", "1"}, "video_page_draw_7_complete.html"},
      {{"page", "image", "0", "--draw", "7"}, "image_page_draw_7_fragment.html"},
      {{"page", "music", "--draw", "123456789"}, "music_page_draw_123456789_complete.html"},
      {{"page", "start"}, "start_page_complete.html"},
      {{"page", "start", "1"}, "start_page_complete.html"},
      {{"page", "start", "-3"}, "start_page_fragment.html"},
      {{"page", "loading", "5"}, "loading_page.html"},
      {{"page", "help"}, "help_page.html"},
  };
  for (const Row& row : rows) {
    const auto result = RunCli(row.arguments);
    EXPECT_EQ(result.status, 0) << row.fixture;
    EXPECT_EQ(result.out, PageFixture(row.fixture)) << row.fixture;
  }
}

TEST(PageCommands, DrawFromTheClockWithoutDraw) {
  const auto result = RunCli({"page", "music"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(StartsWith(result.out, "<HTML><HEAD></HEAD><BODY><meta"));
  EXPECT_NE(result.out.find("~astq3339683"), std::string::npos);
}

TEST(AdvertCommand, PrintsTheScriptElementOfItsNumber) {
  const auto three = RunCli({"advert", "3"});
  EXPECT_EQ(three.status, 0);
  EXPECT_TRUE(EndsWith(three.out, "/ad/3.js\"></script>"));
  for (const char* other : {"0", "-7", "4", "99999999999"}) {
    const auto result = RunCli({"advert", other});
    EXPECT_EQ(result.status, 0) << other;
    EXPECT_TRUE(EndsWith(result.out, "/ad/4.js\"></script>")) << other;
  }
}

TEST(PageCommands, RefuseMalformedArguments) {
  const std::vector<std::vector<std::string>> rows = {
      {"page", "start", "x"},
      {"page", "start", "1", "2"},
      {"page", "start", "1x"},
      {"page", "loading", "--draw", "1"},
      {"page", "help", ""},
      {"page", "video", "--draw"},
      {"page", "video", "--draw", "-1"},
      {"page", "video", "--draw", "4294967296"},
      {"page", "image", "--draw", "1", "--draw", "2"},
      {"page", "music", "--drawn", "1"},
      {"page", "start", "99999999999"},
      {"advert"},
      {"advert", "x"},
      {"advert", "1", "2"},
      {"advert", ""},
      {"page", "nothing"},
  };
  for (const auto& arguments : rows) {
    const auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(result.out, "") << ::testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace orvanta
