#include "news/atom_date.h"

#include <array>
#include <cctype>
#include <charconv>

#include "news/rewrite_date.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The number written by the count digits at text[at]; nothing unless all are digits.
std::optional<int> DigitsAt(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  const char* begin = text.data() + at;
  const auto [end, error] = std::from_chars(begin, begin + count, value);
  if (error != std::errc() || end != begin + count) return std::nullopt;
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// 0 for Sunday (Sakamoto's rule).
int Weekday(int year, int month, int day) {
  constexpr std::array<int, 12> kOffsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

// "Z" or "+hh:mm" / "-hh:mm" as RSS writes a zone, "+0000" or "+hhmm".
std::optional<Text> RssZone(std::string_view zone) {
  if (zone == "Z" || zone == "z") return Text("+0000");
  if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':') return std::nullopt;
  const auto hours = DigitsAt(zone, 1, 2), minutes = DigitsAt(zone, 4, 2);
  if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
  return Text(1, zone[0]) + Text(zone.substr(1, 2)) + Text(zone.substr(4, 2));
}

}  // namespace

std::optional<Text> AtomDateAsRssDate(std::string_view date) {
  // yyyy-mm-ddThh:mm:ss[.fraction](Z|+hh:mm|-hh:mm)
  if (date.size() < 20 || date[4] != '-' || date[7] != '-' || date[13] != ':' || date[16] != ':' ||
      (date[10] != 'T' && date[10] != 't' && date[10] != ' '))
    return std::nullopt;
  const auto year = DigitsAt(date, 0, 4), month = DigitsAt(date, 5, 2), day = DigitsAt(date, 8, 2);
  const auto hour = DigitsAt(date, 11, 2), minute = DigitsAt(date, 14, 2),
             second = DigitsAt(date, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month) || *hour > 23 ||
      *minute > 59 || *second > 60)
    return std::nullopt;
  std::size_t zoneAt = 19;
  if (date[zoneAt] == '.') {
    ++zoneAt;
    while (zoneAt < date.size() && std::isdigit(static_cast<unsigned char>(date[zoneAt]))) ++zoneAt;
  }
  const auto zone = RssZone(date.substr(zoneAt));
  if (!zone) return std::nullopt;
  Text rss(kWeekdays[Weekday(*year, *month, *day)]);
  // Two-digit days, as the services' RSS dates write them.
  rss += ", " + Text(date.substr(8, 2)) + " " + Text(kMonths[*month - 1]) + " " +
         Text(date.substr(0, 4)) + " " + Text(date.substr(11, 8)) + " " + *zone;
  return rss;
}

Text RewriteAtomDate(const Text& date) {
  const std::size_t first = date.find_first_not_of(" \t\r\n");
  const std::size_t last = date.find_last_not_of(" \t\r\n");
  const auto rss = first == Text::npos
                       ? std::nullopt
                       : AtomDateAsRssDate(std::string_view(date).substr(first, last - first + 1));
  return RewriteDate(rss ? *rss : date);
}

}  // namespace orvanta
