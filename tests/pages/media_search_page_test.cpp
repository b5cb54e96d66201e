#include "pages/media_search_page.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/page_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

using MediaBuilder = Text (*)(int, std::uint32_t);

TEST(MediaSearchPage, IsTheFrameWithFramesAndPollingByteForByte) {
  EXPECT_EQ(BuildVideoPage(1, 7), PageFixture("video_page_draw_7_complete.html"));
  EXPECT_EQ(BuildImagePage(0, 7), PageFixture("image_page_draw_7_fragment.html"));
  EXPECT_EQ(BuildMusicPage(1, 123456789), PageFixture("music_page_draw_123456789_complete.html"));
}

TEST(MediaSearchPage, PreselectsTheDrawnEngineOfItsKind) {
  const struct {
    const char* kind;
    MediaBuilder build;
    std::uint32_t draw;
    int engine;
  } rows[] = {
      {"video", BuildVideoPage, 7, 27},
      {"video wraps at ten", BuildVideoPage, 10, 20},
      {"video top of range is 29, never 30", BuildVideoPage, 9, 29},
      {"video at the largest draw", BuildVideoPage, 4294967295u, 25},
      {"image", BuildImagePage, 7, 49},
      {"image wraps at eight", BuildImagePage, 8, 42},
      {"image bottom of range", BuildImagePage, 16, 42},
      {"music", BuildMusicPage, 7, 64},
      {"music wraps at five", BuildMusicPage, 5, 62},
      {"music top of range", BuildMusicPage, 4, 66},
  };
  for (const auto& row : rows) {
    const Text page = row.build(1, row.draw);
    const std::string value = "value='" + std::to_string(row.engine) + "'";
    EXPECT_NE(
        page.find("<select name='se' id='se'><option " + value + Gbk(" selected>使用随机引擎")),
        Text::npos)
        << row.kind;
    // Once as the random choice, once in its own entry further down.
    EXPECT_EQ(CountOf(page, value), 2) << row.kind;
    EXPECT_EQ(CountOf(page, " selected>"), 1) << row.kind;
  }
}

TEST(MediaSearchPage, BuildsOfOneClockSecondShareTheirDraw) {
  // The clock may turn over between two reads; a few attempts find a quiet second.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::uint32_t before = DrawMediaRandom();
    const Text pages[] = {BuildVideoPage(1), BuildImagePage(1), BuildMusicPage(1)};
    if (DrawMediaRandom() != before) continue;
    EXPECT_EQ(pages[0], BuildVideoPage(1, before));
    EXPECT_EQ(pages[1], BuildImagePage(1, before));
    EXPECT_EQ(pages[2], BuildMusicPage(1, before));
    return;
  }
  ADD_FAILURE() << "the clock second never held still";
}

}  // namespace
}  // namespace orvanta
