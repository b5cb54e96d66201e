// The router's decision and status line on arbitrary hovered addresses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "jobs/link_route.h"
#include "text/text.h"

namespace {

using namespace orvanta;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Engines answer without the real table, so the fuzzer explores the router rather than hosts.
SearchLinkAction Engines(const Text& option, const Text& keyword) {
  using Kind = SearchLinkAction::Kind;
  if (option == "2") return {Kind::kOpenAddress, "q" + keyword};
  if (option == "3") return {Kind::kShowMessage, "m"};
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view status(reinterpret_cast<const char*>(data), size);

  const Text line = StatusLineText(status);
  Require(line == " Orvanta" || line == " " + Text(status));

  Text hover = "http://before/";
  RememberHoverUrl(hover, status);
  const bool remembered = ContainsBeyondStart(status, "ttp://");
  Require(hover == (remembered ? Text(status) : Text("http://before/")));

  for (const LinkAction& action : {DecideNewWindow(status, Engines), DecideNewWindow(status)}) {
    const bool dy = ContainsBeyondStart(status, "ttp://dy/#");
    const bool dh = !dy && ContainsBeyondStart(status, "ttp://dh/#");
    const bool ss = !dy && !dh && ContainsBeyondStart(status, "ttp://ss/#");
    switch (action.kind) {
      case LinkActionKind::kChangeSubscription:
        Require(dy && !action.keyword.empty() && (action.flag == 0 || action.flag == 1));
        Require(action.keyword.find('#') == Text::npos);
        break;
      case LinkActionKind::kOpenTopic:
        Require((dh || ss) && !action.number.empty());
        break;
      case LinkActionKind::kKeywordNews:
        Require(ss && !action.keyword.empty());
        break;
      case LinkActionKind::kOpenAddress:
      case LinkActionKind::kShowMessage:
        Require(ss);
        break;
      case LinkActionKind::kOpenInNewWindow:
        Require(!dy && !dh && !ss && action.cancel == false &&
                action.target == NewWindowTarget::kNewWindow);
        break;
      case LinkActionKind::kNothing:
        Require(dy || dh || ss);
        break;
    }
    if (dy || dh) Require(action.cancel == true);
    if (ss) Require(!action.cancel && action.target == NewWindowTarget::kThisPage);
  }
  return 0;
}
