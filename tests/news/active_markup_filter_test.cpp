#include "news/active_markup_filter.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(NeutraliseActiveMarkup, LeavesOrdinaryFeedMarkupByteForByte) {
  const Text ordinary[] = {
      "",
      "plain text, 1 < 2 and 3 > 2 & so on",
      Gbk("<p>新华网北京8月14日电<b>记者</b></p><br/>"),
      "<table border=\"0\" cellpadding=\"2\"><tr><td width=\"80\" valign=\"top\"><font "
      "style=\"font-size:85%\"><a href=\"http://a.cn/x?a=1&amp;b=2\" target='_blank'><img "
      "src=\"http://b.cn/1.jpg\" border=0 width=80 alt=\"\" /></a></font></td></tr></table>",
      "<img border='0' src=http://news.youdao.com/p/1.jpg><nobr>x</nobr><center>y</center>",
      "<!-- comment --><div class=\"lh\"><span>x</span></div><strong>s</strong>",
      "<img src=\"data:image/png;base64,iVBORw0KGgo=\">",
      "<a href=\"http://a.cn/one=1\" title=\"only one\">online</a>",
      "<img alt=\"Big data: the future\" title=\"javascript: the good parts\" src=\"a.jpg\">",
      Gbk("<font color=\"#ff0000\">嫦娥</font>") + "\x81<b>",  // a stray lead byte stays
  };
  for (const Text& markup : ordinary) EXPECT_EQ(NeutraliseActiveMarkup(markup), markup) << markup;
}

// Active elements are escaped into text, handlers renamed, what the field leaves open
// closed, and comments end where the browser ends them.
TEST(NeutraliseActiveMarkup, DefusesElementsHandlersAndWhatIsLeftOpen) {
  const struct {
    Text markup, expected;
    const char* covers;
  } cases[] = {
      {"<script>alert(1)</script>", "&lt;script>alert(1)&lt;/script>", "script element"},
      {"<ScRiPt src=//e.x/a.js></sCrIpT>", "&lt;ScRiPt src=//e.x/a.js>&lt;/sCrIpT>", "any case"},
      {"<script/src=x>", "&lt;script/src=x>", "name ended by '/'"},
      {"<scriptx>", "&lt;scriptx>", "no \"<script\" is left at all"},
      {"\x81<script>", "\x81&lt;script>", "a lead byte does not pair with '<'"},
      {"< script>", "< script>", "not a tag for the browser"},
      {"<iframe src=x></iframe>", "&lt;iframe src=x>&lt;/iframe>", "iframe"},
      {"<FRAME src=x><object data=x><embed src=x><applet code=x>",
       "&lt;FRAME src=x>&lt;object data=x>&lt;embed src=x>&lt;applet code=x>", "plug-ins"},
      {"<base href=//e.x/><meta http-equiv=refresh content=0><form action=//e.x>",
       "&lt;base href=//e.x/>&lt;meta http-equiv=refresh content=0>&lt;form action=//e.x>",
       "page-wide elements"},
      {"<iframe title=\"<img src=x onerror=alert(1)>\">",
       "&lt;iframe title=\"<img src=x data-blocked-error=alert(1)>\">",
       "an escaped tag's inside is read again as text"},
      {"<style><a title=\"</style><img src=x onerror=alert(1)>\">",
       "&lt;style><a title=\"</style><img src=x onerror=alert(1)>\">",
       "raw-text elements cannot hide markup; the title stays a quoted value"},
      {"<textarea><img src=x onerror=alert(1)>",
       "&lt;textarea><img src=x data-blocked-error=alert(1)>", "textarea"},
      {"<img alt=\"<script>\">", "<img alt=\"&lt;script>\">", "inside a value, same value"},
      {"<!-- <script> -->", "<!-- &lt;script> -->", "inside a comment"},
      {"<img src=x onerror=alert(1)>", "<img src=x data-blocked-error=alert(1)>", "a handler"},
      {"<body\tonload =alert(1)>", "<body\tdata-blocked-load =alert(1)>", "tab and blank"},
      {"<svg/onload=alert(1)>", "<svg/data-blocked-load=alert(1)>", "after '/'"},
      {"<img src=\"a\"ONERROR=\"x\">", "<img src=\"a\"data-blocked-ERROR=\"x\">",
       "behind a quote without a blank"},
      {"<a onmouseover='x' OnClick=y>", "<a data-blocked-mouseover='x' data-blocked-Click=y>",
       "two"},
      {"<img ononerror=x>", "<img data-blocked-error=x>", "no second \"on\" comes out"},
      {"<img src=\"x onerror=y\">", "<img src=\"x onerror=y\">", "inside a value it is text"},
      {"<img src=x/onerror=y>", "<img src=x/onerror=y>", "part of an unquoted value"},
      {"</a onclick=x>", "</a data-blocked-click=x>", "end tags too"},
      // Found by fuzzing.
      {"<t/on<script>", "<t/data-blocked-&lt;script>", "a renamed name holding an opener"},
      {"<t/on</script<x/", "<t/data-blocked-&lt;/script<x/>",
       "a renamed name that ends in the opener of a closing script tag"},
      {"x<img src=\"http://a/", "x<img src=\"http://a/\">", "open quote"},
      {"x<a href='y", "x<a href='y'>", "single quote"},
      {"x<img", "x<img>", "open name"},
      {"x<img onerror=y", "x<img data-blocked-error=y>", "checked before closing"},
      {"x<a href=\"javascript:y", "x<a href=\"about:blank\">", "open script address"},
      {"x<!-- y", "x<!-- y-->", "open comment"},
      {"x<!-- y -", "x<!-- y --->", "comment ending in a dash"},
      {"x<!doctype", "x<!doctype>", "open declaration"},
      {"x<", "x<", "a last '<' stays text: the page's own '<' follows"},
      {"x</", "x&lt;/", "a last '</'"},
      {"x<!-", "x&lt;!-", "a last '<!-'"},
      {"<!-- <a title=\" --> <img src=x onerror=y> \" -->",
       "<!-- <a title=\" --> <img src=x data-blocked-error=y> \" -->", "a quote inside a comment"},
      {"<!--><img onerror=y>", "<!--><img data-blocked-error=y>", "<!--> closes at once"},
      {"<!---><img onerror=y>", "<!---><img data-blocked-error=y>", "<!---> too"},
      {"<!-- x --!><img onerror=y>", "<!-- x --!><img data-blocked-error=y>", "--!> closes"},
      {"<!x <img onerror=y>", "<!x <img onerror=y>", "a bogus comment ends at the first '>'"},
  };
  for (const auto& c : cases) EXPECT_EQ(NeutraliseActiveMarkup(c.markup), c.expected) << c.covers;
}

TEST(NeutraliseActiveMarkup, DisarmsScriptAddressesAsTheBrowserDecodesThem) {
  const char* hostile[] = {
      "javascript:alert(1)",
      "JaVaScRiPt:alert(1)",
      " \tjavascript:x",
      "java\tscript:x",
      "java\nscript:x",
      "java&#x09;script:x",
      "javascript&#58;x",
      "javascript&colon;x",
      "&#106;avascript:x",
      "&#x6A&#x61vascript:x",
      "&#0000106avascript:x",
      "vbscript:msgbox(1)",
      "data:text/html,<b>",
      "data:image/svg+xml;base64,PHN2Zz4=",
      "x;javascript:y",
      // The program's own pseudo-links act as the program: from a feed they are inert.
      "http://dy/#X#1#",
      " HTTP://DY/#X#1#",
      "http://dh/#9#dh",
      "http&#58;//ss/#abc#1#",
      "http://d\ty/#X#0#",
  };
  for (const char* value : hostile) {
    EXPECT_TRUE(IsActiveAddress(value)) << value;
    EXPECT_EQ(NeutraliseActiveMarkup("<a href=\"" + Text(value) + "\">t</a>"),
              "<a href=\"about:blank\">t</a>")
        << value;
  }
  EXPECT_EQ(NeutraliseActiveMarkup("<a href=javascript:x>t</a>"), "<a href=about:blank>t</a>");
  for (const char* value :
       {"http://a.cn/javascript.html", "data:image/png;base64,AA", "http://a.cn/metadata:x",
        "&#x6Aavascript:x", "http://evil.test/p?u=http://dy/#X#1#", "http://dy.cn/#x"})
    EXPECT_FALSE(IsActiveAddress(value)) << value;
  // A link is pasted into a single-quoted href.
  EXPECT_EQ(NeutraliseLinkAddress("http://a.cn/x?a=1&b=2"), "http://a.cn/x?a=1&b=2");
  EXPECT_EQ(NeutraliseLinkAddress("http://a.cn/' onclick='x"), "http://a.cn/%27 onclick=%27x");
  EXPECT_EQ(NeutraliseLinkAddress(" javascript:alert(1)"), "about:blank");
}

}  // namespace
}  // namespace orvanta
