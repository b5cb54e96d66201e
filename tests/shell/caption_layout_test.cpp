#include "shell/caption_layout.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct ClickRow {
  int x, y;
  CaptionAction action;
  bool drags;
  const char* covers;
};

TEST(CaptionLayout, ClicksOfTheNormalWindowFollowTheFixedRanges) {
  const CaptionLayout layout = LayOutCaption(850, 570, false);
  const ClickRow rows[] = {
      {800, 10, CaptionAction::kClose, false, "close range"},
      {740, 10, CaptionAction::kMinimise, false, "minimise range"},
      {770, 10, CaptionAction::kMaximise, false, "maximise range"},
      {710, 10, CaptionAction::kOpenMenu, false, "menu range"},
      {841, 10, CaptionAction::kNone, true, "right of the close range and cell"},
      {400, 10, CaptionAction::kNone, true, "caption band background drags"},
      {400, 300, CaptionAction::kNone, true, "window background drags"},
      {800, 26, CaptionAction::kNone, true, "y 26 is outside the ranges"},
      {695, 10, CaptionAction::kOpenMenu, true, "menu cell left of its range, then a drag"},
      {759, 10, CaptionAction::kMinimise, true, "a range bound falls to the cells: minimise wins"},
  };
  for (const ClickRow& row : rows) {
    const CaptionClick click = ClickCaption(layout, false, row.x, row.y);
    EXPECT_EQ(click.action, row.action) << row.covers;
    EXPECT_EQ(click.startsDrag, row.drags) << row.covers;
  }
  const CaptionClick menu = ClickCaption(layout, false, 710, 10);
  EXPECT_EQ(menu.menuX, 710);
  EXPECT_EQ(menu.menuY, 10);
}

TEST(CaptionLayout, MaximisedWindowIgnoresTheRangesAndNeverDrags) {
  const CaptionLayout layout = LayOutCaption(1280, 1000, true);
  const ClickRow rows[] = {
      {800, 10, CaptionAction::kNone, false, "the normal close range is background here"},
      {1230, 10, CaptionAction::kClose, false, "close cell at the right edge"},
      {1200, 10, CaptionAction::kRestore, false, "maximise cell restores"},
      {1160, 10, CaptionAction::kMinimise, false, "minimise cell"},
      {1135, 10, CaptionAction::kOpenMenu, false, "menu cell"},
      {1190, 10, CaptionAction::kMinimise, false, "minimise reaches 6 pixels into maximise"},
      {1200, 5, CaptionAction::kNone, false, "above the cells"},
      {600, 500, CaptionAction::kNone, false, "background does nothing"},
  };
  for (const ClickRow& row : rows) {
    const CaptionClick click = ClickCaption(layout, true, row.x, row.y);
    EXPECT_EQ(click.action, row.action) << row.covers;
    EXPECT_EQ(click.startsDrag, row.drags) << row.covers;
  }
  const CaptionClick menu = ClickCaption(layout, true, 1135, 10);
  EXPECT_EQ(menu.menuX, 1105);
  EXPECT_EQ(menu.menuY, 20);
}

TEST(CaptionLayout, CellsOverlapToTheRightAndCloseWinsItsOverlap) {
  const CaptionMetrics metrics{4, 4, 18};
  const CaptionLayout layout = LayOutCaption(850, 570, false, metrics);
  // L1 = 850 - 4 - 50.
  EXPECT_EQ(layout.buttons[0].cell, (CaptionRect{796, 3, 843, 21}));
  EXPECT_EQ(layout.buttons[1].cell, (CaptionRect{762, 3, 802, 21}));
  EXPECT_EQ(layout.buttons[2].cell, (CaptionRect{728, 3, 768, 21}));
  EXPECT_EQ(layout.buttons[3].cell, (CaptionRect{695, 3, 735, 21}));
  EXPECT_EQ(CaptionButtonAt(layout, 798, 10), CaptionButton::kClose);
  EXPECT_EQ(CaptionButtonAt(layout, 765, 10), CaptionButton::kMinimise);
  EXPECT_EQ(CaptionButtonAt(layout, 730, 10), CaptionButton::kMinimise);
  EXPECT_EQ(CaptionButtonAt(layout, 727, 10), CaptionButton::kMenu);
  EXPECT_EQ(layout.icon, (CaptionRect{7, 7, 23, 23}));
  EXPECT_EQ(layout.title, (CaptionRect{28, 7, 846, 27}));
  EXPECT_EQ(layout.leftBand, (CaptionRect{0, 0, 3, 569}));
  EXPECT_EQ(layout.bottomBand, (CaptionRect{0, 566, 850, 570}));
  EXPECT_EQ(layout.captionBand.bottom, 22);
}

TEST(CaptionLayout, DefaultMetricsPutTheCellsOnTheFixedRanges) {
  const CaptionLayout layout = LayOutCaption(850, 570, false);
  EXPECT_EQ(layout.buttons[0].cell.left, 793);
  EXPECT_EQ(layout.buttons[0].cell.right, 840);
  EXPECT_EQ(layout.buttons[1].cell.left, 759);
  EXPECT_EQ(layout.buttons[2].cell.left, 725);
  EXPECT_EQ(layout.captionBand.bottom, 26);
}

TEST(CaptionLayout, MaximiseCellShowsTheFaceOfTheState) {
  EXPECT_EQ(LayOutCaption(850, 570, false).buttons[1].bitmap, 157);
  EXPECT_EQ(LayOutCaption(1280, 1000, true).buttons[1].bitmap, 155);
  EXPECT_EQ(LayOutCaption(850, 570, true).buttons[0].bitmap, 156);
}

TEST(CaptionLayout, BackgroundFollowsTheWidthAndKeepsItsHeight) {
  EXPECT_EQ(BackgroundTarget(1280), (CaptionRect{0, 0, 1280, 600}));
  EXPECT_EQ(MaximisedHeight(980, 3, 19), 1002);
}

}  // namespace
}  // namespace orvanta
