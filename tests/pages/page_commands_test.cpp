// The page and advert subcommands of orvanta-cli, run as the real program.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pages/advert_script.h"
#include "pages/page_test_support.h"
#include "support/run_cli.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

TEST(PageCommands, PrintTheBytesOfTheirArgumentsOrRefuseThem) {
  const Text video = PageFixture("video_page_draw_7_complete.html");
  const Text start = PageFixture("start_page_complete.html");
  const Text lastAdvert = BuildAdvertScript(4);
  const struct {
    std::vector<std::string> arguments;
    std::optional<Text> out;  // nothing: a usage error that prints nothing
  } rows[] = {
      {{"page", "video", "1", "--draw", "7"}, video},
      {{"page", "video", "--draw", "7"}, video},  // mode 1 unless given
      {{"page", "video", "--draw=7", "1"}, video},
      {{"page", "image", "0", "--draw", "7"}, PageFixture("image_page_draw_7_fragment.html")},
      {{"page", "music", "--draw", "123456789"},
       PageFixture("music_page_draw_123456789_complete.html")},
      {{"page", "start"}, start},
      {{"page", "start", "-3"}, PageFixture("start_page_fragment.html")},
      {{"page", "loading", "5"}, PageFixture("loading_page.html")},
      {{"page", "help"}, PageFixture("help_page.html")},
      {{"advert", "3"}, BuildAdvertScript(3)},
      {{"advert", "0"}, lastAdvert},
      {{"advert", "-7"}, lastAdvert},
      {{"advert", "99999999999"}, lastAdvert},  // beyond int, still a number
      {{"page", "start", "x"}, std::nullopt},
      {{"page", "start", "1", "2"}, std::nullopt},
      {{"page", "start", "1x"}, std::nullopt},
      {{"page", "start", "99999999999"}, std::nullopt},
      {{"page", "loading", "--draw", "1"}, std::nullopt},
      {{"page", "help", ""}, std::nullopt},
      {{"page", "video", "--draw"}, std::nullopt},
      {{"page", "video", "--draw", "-1"}, std::nullopt},
      {{"page", "video", "--draw", "4294967296"}, std::nullopt},
      {{"page", "image", "--draw", "1", "--draw", "2"}, std::nullopt},
      {{"page", "music", "--drawn", "1"}, std::nullopt},
      {{"page", "nothing"}, std::nullopt},
      {{"advert"}, std::nullopt},
      {{"advert", "x"}, std::nullopt},
      {{"advert", "1", "2"}, std::nullopt},
      {{"advert", ""}, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto result = RunCli(row.arguments);
    EXPECT_EQ(result.status, row.out ? 0 : 2) << ::testing::PrintToString(row.arguments);
    EXPECT_EQ(result.out, row.out.value_or("")) << ::testing::PrintToString(row.arguments);
  }
}

TEST(PageCommands, DrawFromTheClockWithoutDraw) {
  const auto result = RunCli({"page", "music"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.starts_with("<HTML><HEAD></HEAD><BODY><meta"));
  EXPECT_NE(result.out.find("~astq3339683"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
