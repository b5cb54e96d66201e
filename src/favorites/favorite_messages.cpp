#include "favorites/favorite_messages.h"

#include "text/code_page.h"

namespace orvanta {

std::optional<Text> FavoriteOutcomeMessage(FavoriteOutcome outcome) {
  switch (outcome) {
    case FavoriteOutcome::kDone:
      return std::nullopt;
    case FavoriteOutcome::kUnsafeName:
      return Gbk("名称不能为空，不能含有“/”，也不能是“.”或“..”。");
    case FavoriteOutcome::kNotFound:
      return Gbk("找不到这一项，它可能已被移走或删除。");
    case FavoriteOutcome::kAlreadyExists:
      return Gbk("已有同名的项。");
    case FavoriteOutcome::kFailed:
      break;
  }
  return Gbk("无法完成这一操作。");
}

}  // namespace orvanta
