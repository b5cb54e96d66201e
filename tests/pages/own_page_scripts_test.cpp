#include "pages/own_page_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "net/service_hosts.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

struct Row {
  const char* markup;
  std::vector<std::string> sources;
  std::vector<std::string> hosts;
  const char* covers;
};

TEST(CollectPageScripts, FindsBodiesHandlersScriptAddressesAndLoadedHosts) {
  const Row rows[] = {
      {"<SCRIPT type=text/javascript>a();\r\nb();</SCRIPT>",
       {"a();\nb();"},
       {},
       "a body, CR LF read as LF"},
      {"<INPUT onmousemove=jd(); id=Text1 onfocus=jd();>",
       {"jd();"},
       {},
       "unquoted handlers, each once"},
      {"<span onClick=lb.style.display='none';xxss='1';>X</span>",
       {"lb.style.display='none';xxss='1';"},
       {},
       "an unquoted value holding quotes"},
      {"<body onLoad=\"remove_loading();\">", {"remove_loading();"}, {}, "a quoted handler"},
      {"<a href='javascript:dq();' style='x'>", {"javascript:dq();"}, {}, "a script address"},
      {"<script src=\"http://h.example/ad/1.js\"></script>",
       {},
       {"http://h.example"},
       "a loaded script"},
      {"<a href='http://dy/#k#1#'>on</a> <!-- <script>x()</script> --> a<b",
       {},
       {},
       "no script at all"},
      {"<scripts>no</scripts><p one=1>",
       {"1"},
       {},
       "script-like names are not scripts; any on... attribute counts, an extra hash harms nothing"},
  };
  for (const Row& row : rows) {
    PageScripts scripts;
    CollectPageScripts(row.markup, scripts);
    EXPECT_EQ(scripts.sources, row.sources) << row.covers;
    EXPECT_EQ(scripts.hosts, row.hosts) << row.covers;
  }
}

TEST(OwnPageScripts, HoldTheFrameScriptTheLoadingPageAndTheAdvertHostAsUtf8) {
  const PageScripts& scripts = OwnPageScripts();
  const auto has = [&](const std::string& part) {
    return std::any_of(
        scripts.sources.begin(), scripts.sources.end(),
        [&](const std::string& source) { return source.find(part) != std::string::npos; });
  };
  EXPECT_TRUE(has("bb.value=='请输入关键字'"));
  EXPECT_TRUE(has("function animate()"));
  EXPECT_TRUE(has("document.orvt.location='~astq3339683'"));
  EXPECT_TRUE(has("parent.document.getElementById(\"orvt2\")"));
  EXPECT_EQ(scripts.hosts, std::vector<std::string>{"http://" + std::string(hosts::kMaker)});
}

}  // namespace
}  // namespace orvanta
