#include "shell/caption_layout.h"

namespace orvanta {
namespace {

CaptionRect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

// The fixed ranges stand for the painted buttons of the 850-pixel window.
constexpr int kFixedRangeHeight = 26;
constexpr int kMenuOffsetX = -30;
constexpr int kMenuOffsetY = 10;

}  // namespace

int MaximiseFaceBitmap(bool maximised) { return maximised ? 155 : 157; }

CaptionLayout LayOutCaption(int width, int height, bool maximised, const CaptionMetrics& metrics) {
  const int cxF = metrics.frameWidth;
  const int cyF = metrics.frameHeight;
  CaptionLayout layout;
  layout.captionBand = FromSize(0, 0, width, cyF + metrics.sizeHeight);
  layout.leftBand = FromSize(0, 0, cxF - 1, height - 1);
  layout.bottomBand = FromSize(0, height - cyF, width, cyF);
  layout.rightBand = FromSize(width - cxF, 0, cxF, height);
  layout.icon = {cxF + 3, cyF + 3, cxF + 19, cyF + 19};
  layout.title = {cxF + 16 + 8, cyF + 3, width - cxF, cyF + 23};

  const int top = cyF - 1;
  const int bottom = cyF + 17;
  const int closeLeft = width - cxF - 50;
  const int maximiseLeft = closeLeft - 34;
  const int minimiseLeft = maximiseLeft - 34;
  const int menuLeft = minimiseLeft - 33;
  layout.buttons = {{
      {CaptionButton::kClose, 156, {closeLeft, top, closeLeft + 47, bottom}, 47},
      {CaptionButton::kMaximiseRestore,
       MaximiseFaceBitmap(maximised),
       {maximiseLeft, top, closeLeft + 6, bottom},
       40},
      {CaptionButton::kMinimise, 158, {minimiseLeft, top, maximiseLeft + 6, bottom}, 40},
      {CaptionButton::kMenu, 159, {menuLeft, top, minimiseLeft + 7, bottom}, 40},
  }};
  return layout;
}

CaptionButton CaptionButtonAt(const CaptionLayout& layout, int x, int y) {
  static constexpr CaptionButton kHitOrder[] = {CaptionButton::kClose, CaptionButton::kMinimise,
                                                CaptionButton::kMaximiseRestore,
                                                CaptionButton::kMenu};
  for (CaptionButton wanted : kHitOrder) {
    for (const CaptionBitmapCell& cell : layout.buttons) {
      if (cell.button == wanted && cell.cell.Contains(x, y)) return wanted;
    }
  }
  return CaptionButton::kNone;
}

CaptionButton FixedCaptionButtonAt(int x, int y) {
  if (y >= kFixedRangeHeight) return CaptionButton::kNone;
  if (698 < x && x < 725) return CaptionButton::kMenu;
  if (725 < x && x < 759) return CaptionButton::kMinimise;
  if (759 < x && x < 793) return CaptionButton::kMaximiseRestore;
  if (793 < x && x < 840) return CaptionButton::kClose;
  return CaptionButton::kNone;
}

CaptionAction ActionOf(CaptionButton button, bool maximised) {
  switch (button) {
    case CaptionButton::kClose:
      return CaptionAction::kClose;
    case CaptionButton::kMinimise:
      return CaptionAction::kMinimise;
    case CaptionButton::kMaximiseRestore:
      return maximised ? CaptionAction::kRestore : CaptionAction::kMaximise;
    case CaptionButton::kMenu:
      return CaptionAction::kOpenMenu;
    case CaptionButton::kNone:
      break;
  }
  return CaptionAction::kNone;
}

CaptionClick ClickCaption(const CaptionLayout& layout, bool maximised, int x, int y) {
  CaptionClick click;
  if (!maximised) {
    // The fixed ranges always maximise: the normal-sized window is never maximised here.
    const CaptionButton fixed = FixedCaptionButtonAt(x, y);
    if (fixed != CaptionButton::kNone) {
      click.action = ActionOf(fixed, false);
      click.menuX = x;
      click.menuY = y;
      return click;
    }
  }
  const CaptionButton hit = CaptionButtonAt(layout, x, y);
  click.action = ActionOf(hit, maximised);
  if (hit == CaptionButton::kMenu) {
    click.menuX = x + kMenuOffsetX;
    click.menuY = y + kMenuOffsetY;
  }
  // Any click that got this far moves a normal-sized window, so it can be dragged by its
  // whole background; a maximised one stays put.
  click.startsDrag = !maximised;
  return click;
}

int MaximisedHeight(int fullScreenClientHeight, int dialogFrameHeight, int captionHeight) {
  return fullScreenClientHeight + dialogFrameHeight + captionHeight;
}

CaptionRect BackgroundTarget(int width) { return {0, 0, width, kBackgroundHeight}; }

}  // namespace orvanta
