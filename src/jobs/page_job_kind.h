// The three kinds of page job and the numbers that name them (in their file names and in the
// page's job number).
#pragma once

namespace orvanta {

enum class PageJobKind { kKeywordNews, kTopicNews, kMediaList };

inline constexpr int kKeywordNewsJob = 111;
inline constexpr int kTopicNewsJob = 222;
inline constexpr int kMediaListJob = 333;

constexpr int PageJobNumber(PageJobKind kind) {
  switch (kind) {
    case PageJobKind::kKeywordNews:
      return kKeywordNewsJob;
    case PageJobKind::kTopicNews:
      return kTopicNewsJob;
    case PageJobKind::kMediaList:
      return kMediaListJob;
  }
  return 0;
}

}  // namespace orvanta
