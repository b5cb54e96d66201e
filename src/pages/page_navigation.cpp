#include "pages/page_navigation.h"

#include <algorithm>
#include <string>

#include "text/code_page.h"

namespace orvanta {
namespace {

void AppendLink(Text& bar, const Text& target, int number, std::string_view label) {
  bar += "<a href='";
  bar += target;
  bar += std::to_string(number);
  bar += "'>";
  bar += label;
  bar += "</a>";
}

}  // namespace

Text PageNavigation(int current, int pages, const Text& baseName) {
  static const Text kPrevious = Gbk("上一页");
  static const Text kNext = Gbk("下一页");
  const Text target = ReplaceAll(baseName, "temp/", "");
  const int first = std::max(1, current - 10);
  const int last = std::min(pages, current + 10);
  Text bar;
  bar.reserve(64 + static_cast<std::size_t>(std::max(0, last - first + 1)) * (target.size() + 24));
  if (current > 1) {
    AppendLink(bar, target, current - 1, kPrevious);
    bar += ' ';
  }
  for (int number = first; number <= last; ++number) {
    if (number == current) {
      bar += "<font color=red>";
      bar += std::to_string(number);
      bar += "</font> ";
    } else {
      AppendLink(bar, target, number, std::to_string(number));
      bar += ' ';
    }
  }
  if (current < pages) {
    bar += ' ';
    AppendLink(bar, target, current + 1, kNext);
  }
  return bar;
}

}  // namespace orvanta
