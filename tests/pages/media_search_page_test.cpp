#include "pages/media_search_page.h"

#include <gtest/gtest.h>

#include <set>
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
  struct Row {
    const char* kind;
    MediaBuilder build;
    std::uint32_t draw;
    int engine;
  };
  const Row rows[] = {
      {"video", BuildVideoPage, 7, 27},
      {"video wraps at ten", BuildVideoPage, 10, 20},
      {"video top of range is 29, never 30", BuildVideoPage, 9, 29},
      {"video at the largest draw", BuildVideoPage, 4294967295u, 25},
      {"image", BuildImagePage, 7, 49},
      {"image wraps at eight", BuildImagePage, 8, 42},
      {"music", BuildMusicPage, 7, 64},
      {"music wraps at five", BuildMusicPage, 5, 62},
  };
  for (const Row& row : rows) {
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

TEST(MediaSearchPage, DrawsEveryEngineOfItsRangeAndNothingElse) {
  struct Row {
    const char* kind;
    MediaBuilder build;
    std::set<int> engines;
  };
  const Row rows[] = {
      {"video", BuildVideoPage, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
      {"image", BuildImagePage, {42, 43, 44, 45, 46, 47, 48, 49}},
      {"music", BuildMusicPage, {62, 63, 64, 65, 66}},
  };
  for (const Row& row : rows) {
    std::set<int> drawn;
    for (std::uint32_t draw = 0; draw < 40; ++draw) {
      const Text page = row.build(0, draw);
      const std::size_t at = page.find("<option value='") + 15;
      drawn.insert(std::stoi(page.substr(at, page.find('\'', at) - at)));
    }
    EXPECT_EQ(drawn, row.engines) << row.kind;
  }
}

TEST(MediaSearchPage, OnlyTheVideoPageBreaksTheLineAfterThePollingTag) {
  const std::string broken = "<script language=\"javascript\">\r\nvar runa;\r\n";
  const std::string joined = "<script language=\"javascript\">var runa;\r\n";
  EXPECT_EQ(CountOf(BuildVideoPage(1, 0), broken), 1);
  EXPECT_EQ(CountOf(BuildVideoPage(1, 0), joined), 0);
  const MediaBuilder siblings[] = {BuildImagePage, BuildMusicPage};
  for (const MediaBuilder build : siblings) {
    EXPECT_EQ(CountOf(build(1, 0), joined), 1);
    EXPECT_EQ(CountOf(build(1, 0), broken), 0);
  }
  // One line more than its siblings: the script pieces and the polling script are the same.
  EXPECT_EQ(CountOf(BuildVideoPage(1, 0), "\r\n"), CountOf(BuildImagePage(1, 0), "\r\n") + 1);
}

TEST(MediaSearchPage, BuildsOfOneClockSecondShareTheirDraw) {
  // The clock may turn over between two reads; a few attempts find a quiet second.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::uint32_t before = DrawMediaRandom();
    const Text video = BuildVideoPage(1);
    const Text image = BuildImagePage(1);
    const Text music = BuildMusicPage(1);
    if (DrawMediaRandom() != before) continue;
    EXPECT_EQ(video, BuildVideoPage(1, before));
    EXPECT_EQ(image, BuildImagePage(1, before));
    EXPECT_EQ(music, BuildMusicPage(1, before));
    return;
  }
  ADD_FAILURE() << "the clock second never held still";
}

}  // namespace
}  // namespace orvanta
