#include "news/rewrite_date.h"

#include <array>

#include "news/active_markup_filter.h"
#include "text/code_page.h"
#include "text/split_text.h"

namespace orvanta {
namespace {

struct Key {
  std::string_view key;
  std::string_view value;
};

// Two-letter pieces of the English names; a key at the token's first byte does not count,
// so "Thu" and "Sep" are not recognised.
const std::array<Key, 9>& WeekdayKeys() {
  static const Text kMonday = Gbk("星期一"), kTuesday = Gbk("星期二"), kWednesday = Gbk("星期三"),
                    kThursday = Gbk("星期四"), kFriday = Gbk("星期五"), kSaturday = Gbk("星期六"),
                    kSunday = Gbk("星期天");
  static const std::array<Key, 9> kKeys = {{{"on", kMonday},
                                            {"us", kTuesday},
                                            {"ue", kTuesday},
                                            {"en", kWednesday},
                                            {"ed", kWednesday},
                                            {"ur", kThursday},
                                            {"ri", kFriday},
                                            {"at", kSaturday},
                                            {"un", kSunday}}};
  return kKeys;
}

constexpr std::array<Key, 12> kMonthKeys = {{{"an", "1"},
                                             {"eb", "2"},
                                             {"ar", "3"},
                                             {"pr", "4"},
                                             {"ay", "5"},
                                             {"un", "6"},
                                             {"ul", "7"},
                                             {"ug", "8"},
                                             {"ept", "9"},
                                             {"ct", "10"},
                                             {"ov", "11"},
                                             {"ec", "12"}}};

// "un" would make every June a Sunday: a token that begins with "Jun" is the month.
bool IsJune(const Text& token) { return token.starts_with("Jun"); }

}  // namespace

Text RewriteDate(const Text& date) {
  const Text spaced = ReplaceAll(date, ",", " ");
  TextArray tokens;
  SplitText(spaced, tokens, " ");

  Text year, month, day, time, weekday;
  const auto setMonth = [&](std::size_t i, std::string_view value) {
    month = value;
    day = i > 0 ? tokens[i - 1] : Text();
    year = i + 1 < tokens.size() ? tokens[i + 1] : Text();
  };
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Text& token = tokens[i];
    if (ContainsBeyondStart(token, ":")) {
      time = token;
      continue;
    }
    if (IsJune(token)) {
      setMonth(i, "6");
      continue;
    }
    bool matched = false;
    for (const Key& key : WeekdayKeys()) {
      if (ContainsBeyondStart(token, key.key)) {
        weekday = key.value;
        matched = true;
        break;
      }
    }
    if (matched) continue;
    for (const Key& key : kMonthKeys) {
      if (ContainsBeyondStart(token, key.key)) {
        setMonth(i, key.value);
        break;
      }
    }
  }

  static const Text kYear = Gbk("年"), kMonth = Gbk("月"), kDay = Gbk("日");
  Text rewritten;
  if (ContainsBeyondStart(spaced, "-")) {
    rewritten = ReplaceAll(ReplaceAll(spaced, "T", " "), ".000Z", " ");
  } else {
    rewritten = year + kYear + month + kMonth + day + kDay + time + " " + weekday;
  }
  // Tokens moved out of their places, or a "T" turned into a blank, can make markup that
  // the field's own check never saw.
  return NeutraliseActiveMarkup(rewritten);
}

}  // namespace orvanta
