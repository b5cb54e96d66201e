// Where the characters of a code-page-936 text begin.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvanta {

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
inline bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE; }

// Walks a text forward from a known character boundary; each step costs amortised O(1),
// so a scan that only moves forward stays linear however many positions it asks about.
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

  // True when position (not before the cursor) begins a character.
  bool IsBoundary(std::size_t position) {
    while (boundary_ < position) boundary_ += CharacterLength(boundary_);
    return boundary_ == position;
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
