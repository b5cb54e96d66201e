// The painted caption of the main window: where its parts go and what a click on it does.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orvanta {

// Left and top inside, right and bottom outside, like every rectangle of the window system.
struct CaptionRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const CaptionRect&, const CaptionRect&) = default;
};

// Frame width, frame height and caption-button height of the desktop. This toolkit reports
// none of them, so the defaults are chosen to put the painted buttons exactly on the fixed
// click ranges of the normal-sized window.
struct CaptionMetrics {
  int frameWidth = 7;
  int frameHeight = 7;
  int sizeHeight = 19;
};

enum class CaptionButton { kNone, kClose, kMinimise, kMaximiseRestore, kMenu };

enum class CaptionAction { kNone, kOpenMenu, kMinimise, kMaximise, kRestore, kClose };

struct CaptionBitmapCell {
  CaptionButton button = CaptionButton::kNone;
  int bitmap = 0;       // resource number of the face drawn into the cell
  CaptionRect cell;     // hit rectangle, window coordinates
  int copiedWidth = 0;  // pixels copied from the bitmap at the cell's left edge
};

struct CaptionLayout {
  // The four bands filled with the caption colour, as left, top, right, bottom.
  CaptionRect captionBand, leftBand, bottomBand, rightBand;
  CaptionRect icon;
  CaptionRect title;
  // In drawing order, right to left: close, maximise/restore, minimise, menu. A later cell
  // covers an earlier one where they overlap.
  std::array<CaptionBitmapCell, 4> buttons;
};

inline constexpr std::uint32_t kCaptionTitle = 0x97C4E5;  // RGB(151, 196, 229)
inline constexpr std::string_view kCaptionTitleText = "Orvanta v1.0";
inline constexpr std::string_view kCaptionTitleFace = "Arial";
inline constexpr int kCaptionTitleHeight = 16;
inline constexpr int kCaptionIconSize = 16;
inline constexpr int kCaptionIconResource = 176;
inline constexpr int kBackgroundResource = 132;
inline constexpr int kBackgroundWidth = 900;
inline constexpr int kBackgroundHeight = 600;
inline constexpr int kCaptionMenuResource = 160;

// The whole caption of a window of width x height; the maximise cell shows the restore
// face (155) while maximised and the maximise face (157) otherwise.
CaptionLayout LayOutCaption(int width, int height, bool maximised,
                            const CaptionMetrics& metrics = {});

// The face of the maximise/restore cell.
int MaximiseFaceBitmap(bool maximised);

// The first of close, minimise, maximise/restore, menu whose cell holds the point (window
// coordinates); overlapping cells go to the earlier one in that order.
CaptionButton CaptionButtonAt(const CaptionLayout& layout, int x, int y);

// The fixed ranges of the normal-sized window, tested for y < 26 only (bounds excluded).
CaptionButton FixedCaptionButtonAt(int x, int y);

struct CaptionClick {
  CaptionAction action = CaptionAction::kNone;
  // Where the menu opens, relative to the window: the pointer for a fixed-range hit,
  // (x - 30, y + 10) for a cell hit.
  int menuX = 0, menuY = 0;
  bool startsDrag = false;  // the normal-sized window moves with the pointer
};

// A left click on the window's face. The point is in window coordinates: on this toolkit the
// caption is painted inside the client area, so client and window coordinates agree and the
// stored cells stay valid wherever the window has been moved.
CaptionClick ClickCaption(const CaptionLayout& layout, bool maximised, int x, int y);

// The action of a button: the maximise/restore cell restores a maximised window.
CaptionAction ActionOf(CaptionButton button, bool maximised);

// The height of the maximised window: the full-screen client height plus a dialog frame and
// a caption, so that the taskbar stays visible.
int MaximisedHeight(int fullScreenClientHeight, int dialogFrameHeight, int captionHeight);

// The background picture stretched to the window's width, keeping its height of 600.
CaptionRect BackgroundTarget(int width);

}  // namespace orvanta
