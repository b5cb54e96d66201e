#include "jobs/link_route.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using Kind = LinkActionKind;

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

// What happens to the request itself: the cancel flag and where the content loads.
struct Disposal {
  std::optional<bool> cancel;
  NewWindowTarget target;
};
const Disposal kCancelled{true, NewWindowTarget::kAsDelivered};
const Disposal kOnThisPage{std::nullopt, NewWindowTarget::kThisPage};
const Disposal kInANewWindow{false, NewWindowTarget::kNewWindow};

TEST(DecideNewWindow, DispatchesEveryAddressShape) {
  const struct {
    const char* hover;
    Kind kind;
    const char* value;  // keyword, number, address or message
    int flag;
    Disposal disposal;
    const char* covers;
  } cases[] = {
      {"http://dy/#abc#1#", Kind::kChangeSubscription, "abc", 1, kCancelled, "subscribe"},
      {"http://dy/#abc#0#", Kind::kChangeSubscription, "abc", 0, kCancelled, "unsubscribe"},
      {"http://dy/#abc#x#", Kind::kChangeSubscription, "abc", 0, kCancelled,
       "any flag but 1 unsubscribes"},
      {"http://dy/#abc", Kind::kChangeSubscription, "abc", 0, kCancelled,
       "a missing flag field counts as empty"},
      {"http://dy/#\xCC\xE5\xD3\xFD#1#", Kind::kChangeSubscription, "\xCC\xE5\xD3\xFD", 1,
       kCancelled, "a GBK keyword as it comes"},
      {"http://dy/##1#", Kind::kNothing, "", 0, kCancelled, "an empty keyword only cancels"},
      {"http://dh/#21#dh", Kind::kOpenTopic, "21", 0, kCancelled, "a region"},
      {"http://dh/##dh", Kind::kNothing, "", 0, kCancelled, "an empty number only cancels"},
      {"http://dh/#", Kind::kNothing, "", 0, kCancelled, "no number field"},
      {"http://ss/##1#", Kind::kOpenTopic, "1", 0, kOnThisPage, "own engine, no keyword: topic 1"},
      {"http://ss/#abc#1#", Kind::kKeywordNews, "abc", 0, kOnThisPage, "own engine: keyword news"},
      {"http://ss/#abc#5#", Kind::kOpenAddress, "q5=abc", 0, kOnThisPage, "an external engine"},
      {"http://ss/##5#", Kind::kOpenAddress, "home5", 0, kOnThisPage, "an external engine's home"},
      {"http://ss/##23#", Kind::kShowMessage, "enter a keyword", 0, kOnThisPage,
       "an engine without a home"},
      {"http://ss/#abc#07#", Kind::kNothing, "", 0, kOnThisPage, "an unknown option"},
      {"http://ss/#abc", Kind::kNothing, "", 0, kOnThisPage, "no option field"},
      {"http://dy/#a#1#http://dh/#9#dh", Kind::kChangeSubscription, "a", 1, kCancelled,
       "dy is tested before dh"},
      {"http://dh/#9#dh#http://ss/#a#1#", Kind::kOpenTopic, "9", 0, kCancelled,
       "dh is tested before ss"},
      {"http://example.com/?u=http://dy/#k#1#", Kind::kChangeSubscription, "k", 1, kCancelled,
       "a pseudo-link inside an address"},
      {"ttp://dy/#abc#1#", Kind::kOpenInNewWindow, "", 0, kInANewWindow,
       "a pseudo-link at position 0 is not one"},
      {"http://example.com/", Kind::kOpenInNewWindow, "", 0, kInANewWindow, "an ordinary link"},
      {"", Kind::kOpenInNewWindow, "", 0, kInANewWindow, "nothing remembered yet"},
  };
  for (const auto& row : cases) {
    const LinkAction action = DecideNewWindow(row.hover, FakeEngines);
    EXPECT_EQ(action.kind, row.kind) << row.covers;
    EXPECT_EQ(action.keyword + action.number + action.address + action.message, row.value)
        << row.covers;
    EXPECT_EQ(action.flag, row.flag) << row.covers;
    EXPECT_EQ(action.cancel, row.disposal.cancel) << row.covers;
    EXPECT_EQ(action.target, row.disposal.target) << row.covers;
  }
}

TEST(RouteAndStatusCommands, PrintOneLinePerAddress) {
  using orvanta::testing::RunCli;
  const struct {
    std::vector<std::string> arguments;
    std::optional<std::string> out;  // nothing: a usage error
  } rows[] = {
      {{"route", "http://dy/#体育#0#"}, Gbk("subscribe 体育 0\n")},  // arrives UTF-8, leaves GBK
      {{"route", "http://dh/#21#dh"}, "topic 21\n"},
      {{"route", "http://ss/#abc#1#"}, "keyword abc\n"},
      // The engine table by default.
      {{"route", "http://ss/##46#"}, Gbk("message 请输入搜索关键字\n")},
      {{"route", "http://ss/#abc#21#"},
       "open http://so.v.ifeng.com/sofeng/search.action?c=5&q=abc\n"},
      {{"route", "http://dh/##dh"}, "nothing\n"},
      {{"route", "http://example.com/"}, "window\n"},
      {{"status", "http://dy/#abc#1#"}, " Orvanta\n"},
      {{"status", "http://example.com/"}, " http://example.com/\n"},
      {{"route"}, std::nullopt},
      {{"status"}, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto result = RunCli(row.arguments);
    EXPECT_EQ(result.status, row.out ? 0 : 2) << ::testing::PrintToString(row.arguments);
    EXPECT_EQ(result.out, row.out.value_or("")) << ::testing::PrintToString(row.arguments);
  }
}

TEST(RouteNewWindow, OnlyOwnPagesLinksThatBeginAsPseudoLinksActAsTheProgram) {
  const struct {
    const char* hover;
    bool ownPage;
    const char* request;
    Kind kind;
    bool cancel;
    const char* covers;
  } cases[] = {
      {"http://dy/#abc#1#", true, "http://dy/#abc#1#", Kind::kChangeSubscription, true,
       "own subscribe link"},
      {"http://dh/#9#dh", true, "http://dh/#9#dh", Kind::kOpenTopic, true, "own topic link"},
      {"http://ss/#abc#1#", true, "http://ss/#abc#1#", Kind::kKeywordNews, false,
       "own search link"},
      {"http://ss/#\xc9\xe7#1#", true, "http://ss/#%E7%A4%BE#1#", Kind::kKeywordNews, false,
       "the engine's request carries the keyword in its own way"},
      {"http://dy/#abc#1#", false, "http://dy/#abc#1#", Kind::kNothing, true,
       "a remote page's subscribe link"},
      {"http://dh/#9#dh", false, "http://dh/#9#dh", Kind::kNothing, true,
       "a remote page's topic link"},
      {"", false, "http://dy/#X#1#", Kind::kNothing, true, "a script's request for a pseudo-link"},
      {"http://dy/#abc#1#", true, "http://ad.example/", Kind::kOpenInNewWindow, false,
       "a frame's request while an own pseudo-link was hovered last"},
      {"http://dh/#9#dh", true, "http://dy/#abc#1#", Kind::kNothing, true,
       "a request for another kind of pseudo-link than the one hovered"},
      {"http://evil.test/p?u=http://dy/#X#1#", true, "http://evil.test/p?u=http://dy/#X#1#",
       Kind::kOpenInNewWindow, false, "a pseudo-link inside another address"},
      {"xhttp://dh/#9#dh", true, "xhttp://dh/#9#dh", Kind::kOpenInNewWindow, false,
       "not from the first character"},
      {"http://example.com/", false, "http://example.com/", Kind::kOpenInNewWindow, false,
       "an ordinary link"},
  };
  for (const auto& row : cases) {
    const LinkAction action = RouteNewWindow(row.hover, row.ownPage, row.request, {});
    EXPECT_EQ(action.kind, row.kind) << row.covers;
    EXPECT_EQ(action.cancel.value_or(false), row.cancel) << row.covers;
  }
}

}  // namespace
}  // namespace orvanta
