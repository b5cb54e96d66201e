// Where the characters of a code-page-936 text begin.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta {

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
inline bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE; }

// Answers "does a character begin here?" for positions that only move forward, starting
// from a known character boundary; a whole scan stays linear.
class BoundaryCursor {
 public:
  explicit BoundaryCursor(std::string_view text) : text_(text) {}

  // A lead byte pairs with the next byte only when that one can be a trail byte.
  std::size_t CharacterLength(std::size_t position) const {
    if (position + 1 < text_.size() && IsLeadByte(text_[position]) &&
        IsTrailByte(text_[position + 1]))
      return 2;
    return 1;
  }

  // True when position (not before the cursor) begins a character. Only the run of
  // possible lead bytes in front of position is looked at, and never beyond the cursor, so
  // ASCII text costs O(1) per question and a long double-byte run is walked once.
  bool IsBoundary(std::size_t position) {
    std::size_t runStart = position;
    while (runStart > boundary_ && IsLeadByte(text_[runStart - 1])) --runStart;
    // runStart is a boundary: either the cursor, or the byte before it ends a character.
    // Inside the run the bytes pair up from its start.
    const bool oddRun = (position - runStart) % 2 == 1;
    const bool boundary = !oddRun || position >= text_.size() || !IsTrailByte(text_[position]);
    boundary_ = boundary ? position : position - 1;
    return boundary;
  }

  // Moves the cursor onto a position the caller knows to be a boundary.
  void JumpTo(std::size_t boundary) { boundary_ = boundary; }

 private:
  std::string_view text_;
  std::size_t boundary_ = 0;
};

// True when position begins a character of text. Looks back only over the run of bytes that
// could be lead bytes, since the position behind any other byte is always a boundary.
bool IsCharacterBoundary(std::string_view text, std::size_t position);

}  // namespace orvanta
