#include "jobs/link_route.h"

#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using Kind = LinkActionKind;
using Target = NewWindowTarget;

TEST(RememberHoverUrl, KeepsOnlyAddressesWithTtpBeyondTheStart) {
  const struct {
    const char* status;
    const char* remembered;
    const char* covers;
  } cases[] = {
      {"http://dy/#abc#1#", "http://dy/#abc#1#", "a pseudo-link"},
      {"http://example.com/", "http://example.com/", "an ordinary link"},
      {"file:///tmp/sc/jz1", "before", "a local file"},
      {"javascript:void(0)", "before", "a script link"},
      {"ttp://dh/#9#dh", "before", "ttp:// at the very start"},
      {"", "before", "an empty status text"},
      {"Done", "before", "a plain message"},
  };
  for (const auto& row : cases) {
    Text hover = "before";
    RememberHoverUrl(hover, row.status);
    EXPECT_EQ(hover, row.remembered) << row.covers;
  }
}

TEST(StatusLineText, HidesTheProgramsOwnAddresses) {
  const struct {
    const char* status;
    const char* shown;
  } cases[] = {
      {"http://dy/#abc#1#", " Orvanta"},
      {"http://ss/#abc#5#", " Orvanta"},
      {"http://dh/#9#dh", " Orvanta"},
      {"file:///home/u/temp/~astq22265291", " Orvanta"},
      {"file:///home/u/sc/jz1", " Orvanta"},
      {"sc/jz1", " sc/jz1"},  // at position 0 it is not contained
      {"http://example.com/", " http://example.com/"},
      {"", " "},
  };
  for (const auto& row : cases) EXPECT_EQ(StatusLineText(row.status), row.shown) << row.status;
}

// Searches resolve through a table of our own so that the rows do not depend on hosts.
SearchLinkAction FakeEngines(const Text& option, const Text& keyword) {
  using K = SearchLinkAction::Kind;
  if (option == "5") return {K::kOpenAddress, keyword.empty() ? "home5" : "q5=" + keyword};
  if (option == "23" && keyword.empty()) return {K::kShowMessage, "enter a keyword"};
  return {};
}

TEST(DecideNewWindow, DispatchesEveryAddressShape) {
  const struct {
    const char* hover;
    Kind kind;
    const char* value;  // keyword, number, address or message
    int flag;
    std::optional<bool> cancel;
    Target target;
    const char* covers;
  } cases[] = {
      {"http://dy/#abc#1#", Kind::kChangeSubscription, "abc", 1, true, Target::kAsDelivered,
       "subscribe"},
      {"http://dy/#abc#0#", Kind::kChangeSubscription, "abc", 0, true, Target::kAsDelivered,
       "unsubscribe"},
      {"http://dy/#abc#x#", Kind::kChangeSubscription, "abc", 0, true, Target::kAsDelivered,
       "any flag but 1 unsubscribes"},
      {"http://dy/#abc", Kind::kChangeSubscription, "abc", 0, true, Target::kAsDelivered,
       "a missing flag field counts as empty"},
      {"http://dy/##1#", Kind::kNothing, "", 0, true, Target::kAsDelivered,
       "an empty keyword only cancels"},
      {"http://dh/#21#dh", Kind::kOpenTopic, "21", 0, true, Target::kAsDelivered, "a region"},
      {"http://dh/##dh", Kind::kNothing, "", 0, true, Target::kAsDelivered,
       "an empty number only cancels"},
      {"http://dh/#", Kind::kNothing, "", 0, true, Target::kAsDelivered, "no number field"},
      {"http://ss/##1#", Kind::kOpenTopic, "1", 0, std::nullopt, Target::kThisPage,
       "own engine, no keyword: topic 1"},
      {"http://ss/#abc#1#", Kind::kKeywordNews, "abc", 0, std::nullopt, Target::kThisPage,
       "own engine: keyword news"},
      {"http://ss/#abc#5#", Kind::kOpenAddress, "q5=abc", 0, std::nullopt, Target::kThisPage,
       "an external engine"},
      {"http://ss/##5#", Kind::kOpenAddress, "home5", 0, std::nullopt, Target::kThisPage,
       "an external engine's home"},
      {"http://ss/##23#", Kind::kShowMessage, "enter a keyword", 0, std::nullopt,
       Target::kThisPage, "an engine without a home"},
      {"http://ss/#abc#07#", Kind::kNothing, "", 0, std::nullopt, Target::kThisPage,
       "an unknown option"},
      {"http://ss/#abc", Kind::kNothing, "", 0, std::nullopt, Target::kThisPage,
       "no option field"},
      {"http://dy/#a#1#http://dh/#9#dh", Kind::kChangeSubscription, "a", 1, true,
       Target::kAsDelivered, "dy is tested before dh"},
      {"http://dh/#9#dh#http://ss/#a#1#", Kind::kOpenTopic, "9", 0, true,
       Target::kAsDelivered, "dh is tested before ss"},
      {"http://example.com/?u=http://dy/#k#1#", Kind::kChangeSubscription, "k", 1, true,
       Target::kAsDelivered, "a pseudo-link inside an address"},
      {"ttp://dy/#abc#1#", Kind::kOpenInNewWindow, "", 0, false, Target::kNewWindow,
       "a pseudo-link at position 0 is not one"},
      {"http://example.com/", Kind::kOpenInNewWindow, "", 0, false, Target::kNewWindow,
       "an ordinary link"},
      {"", Kind::kOpenInNewWindow, "", 0, false, Target::kNewWindow, "nothing remembered yet"},
  };
  for (const auto& row : cases) {
    const LinkAction action = DecideNewWindow(row.hover, FakeEngines);
    EXPECT_EQ(action.kind, row.kind) << row.covers;
    const Text value = action.keyword + action.number + action.address + action.message;
    EXPECT_EQ(value, row.value) << row.covers;
    EXPECT_EQ(action.flag, row.flag) << row.covers;
    EXPECT_EQ(action.cancel, row.cancel) << row.covers;
    EXPECT_EQ(action.target, row.target) << row.covers;
  }
}

TEST(DecideNewWindow, TakesAGbkKeywordAsItComes) {
  const Text keyword = Gbk("体育");
  const LinkAction action = DecideNewWindow("http://dy/#" + keyword + "#1#");
  EXPECT_EQ(action.keyword, keyword);
}

TEST(DecideNewWindow, UsesTheEngineTableByDefault) {
  EXPECT_EQ(DecideNewWindow("http://ss/##23#").message, Gbk("请输入搜索关键字"));
  EXPECT_EQ(DecideNewWindow("http://ss/#abc#7 #").kind, Kind::kNothing);
  EXPECT_EQ(DecideNewWindow("http://ss/#abc#21#").address.find("abc"),
            DecideNewWindow("http://ss/#abc#21#").address.size() - 3);
}

TEST(RouteCommand, PrintsOneLinePerDecision) {
  using orvanta::testing::RunCli;
  const struct {
    const char* address;
    std::string line;
  } cases[] = {
      {"http://dy/#abc#1#", "subscribe abc 1\n"},
      {"http://dy/#体育#0#", Gbk("subscribe 体育 0\n")},
      {"http://dh/#21#dh", "topic 21\n"},
      {"http://ss/#abc#1#", "keyword abc\n"},
      {"http://ss/##46#", Gbk("message 请输入搜索关键字\n")},
      {"http://dh/##dh", "nothing\n"},
      {"http://example.com/", "window\n"},
  };
  for (const auto& row : cases) {
    const auto result = RunCli({"route", row.address});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, row.line) << row.address;
  }
  const auto search = RunCli({"route", "http://ss/#abc#21#"});
  EXPECT_TRUE(search.out.starts_with("open http")) << search.out;
  EXPECT_TRUE(search.out.ends_with("/sofeng/search.action?c=5&q=abc\n")) << search.out;
  EXPECT_EQ(RunCli({"route"}).status, 2);
}

TEST(StatusCommand, PrintsTheStatusLine) {
  using orvanta::testing::RunCli;
  EXPECT_EQ(RunCli({"status", "http://dy/#abc#1#"}).out, " Orvanta\n");
  EXPECT_EQ(RunCli({"status", "http://example.com/"}).out, " http://example.com/\n");
  EXPECT_EQ(RunCli({"status"}).status, 2);
}

}  // namespace
}  // namespace orvanta
