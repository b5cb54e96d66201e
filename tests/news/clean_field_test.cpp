#include "news/clean_field.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

struct CleanCase {
  const char* marker;
  Text field, expected;
  const char* covers;
};

void ExpectCleaned(const std::vector<CleanCase>& cases) {
  for (const CleanCase& row : cases)
    EXPECT_EQ(CleanField(row.field, row.marker), row.expected) << row.covers;
}

TEST(CleanField, KeepsOnlyLayoutClosersUnescapesInOrderAndNeutralisesLast) {
  ExpectCleaned({
      {"title>", "Hello</", "Hello", "the field's own closing mark goes"},
      {"description>", "<p>a</p><b>b</b></", "<p>ap><b>b</b>",
       "an unprotected closing tag shows as text"},
      {"description>", "</nobr></table></div></span></tr></td></strong></center></a></font>",
       "</nobr></table></div></span></tr></td></strong></center></a></font>", "all eleven survive"},
      {"title>", "&lt;/b>x", "</b>x", "an escaped protected tag becomes real"},
      {"title>", "<CENTER>x</CENTER>", "<CENTER>xCENTER>", "the protection is case-sensitive"},
      {"title>", "<![CDATA[a &lt;b&gt; &quot;c&quot;]]></", "a <b> c", "CDATA and entities"},
      {"title>", "&amp;lt;", "&amp;lt;", "titles never unescape &amp;"},
      {"description>", "<font color=#c60a00>x</font>", "<font color=#ff0000>x</font>", "red"},
      {"description>", "a.jpg%3Fw=1", "a.jpg?w=1", "escaped query"},
      {"description>", "&lt;/b&gt;", "</b>",
       "escaped closing tags turn real once the closing marks are gone"},
      // "&lt;script" only becomes a tag when "&lt;" is unescaped; the final check still sees it.
      {"title>", "x&lt;script&gt;alert(1)&lt;/script&gt;</", "x&lt;script>alert(1)&lt;/script>",
       "neutralised after unescaping"},
      {"link>", "javascript:alert(1)</", "about:blank", "a script link"},
      {"link>", "http://a.cn/'onmouseover='x</", "http://a.cn/%27onmouseover=%27x",
       "a quote in a link"},
  });
}

TEST(CleanField, UnwrapsTheServicesRedirectsAndDecorationsInLinksAndDescriptionsOnly) {
  const Text sina = "http://go.rss.sina.com.cn/redirect.php?url=http://sports.sina.com.cn/a.shtml";
  const Text related = Gbk("条相关>>");
  ExpectCleaned({
      {"link>", sina + "</", "http://sports.sina.com.cn/a.shtml", "Sina redirect prefix"},
      {"title>", sina, sina, "titles keep the redirect"},
      {"description>", "x<em id=\"comNum2\">0</font>y", "xy", "comment counter"},
      {"link>", "http%3A%2F%2Fa.com%2Fb", "http://a.com/b", "escaped address"},
      {"pubDate>", "http%3A%2F%2Fa", "http%3A%2F%2Fa", "dates are not unescaped"},
      {"description>", "<img src=\"a.jpg&fm=30\">", "<img src=\"a.jpg\">", "picture suffix"},
      {"description>", "<img src=\"a.gif&fm=30\">", "<img src=\"a.gif\">", "gif suffix"},
      // Google: the host counts anywhere but at the first byte.
      {"link>", "http://news.google.com/news/url?sa=t&amp;fd=R&amp;url=http://a.cn/1.htm</",
       "http://a.cn/1.htm", "link redirect unwrapped, everything in front of url=http removed"},
      {"link>", "http://news.google.cn/news/url?sa=t&url=http://a.cn/1.htm", "http://a.cn/1.htm",
       "the China host counts too"},
      {"description>",
       "x<font size=\"-1\" class=\"p\"><a href=\"http://news.google.com/news/more?a\">"
       "and more&nbsp;&raquo;</a></font>",
       "x<font ><a href=\"?a\"></a></font>", "more link pieces"},
      {"description>", "x news.google.com <img src=\"//nt.ggpht.com/a.jpg\">",
       "x news.google.com <img src=\"http://nt.ggpht.com/a.jpg\">", "protocol-relative picture"},
      {"description>", "news.google.com src=\"//x\"", "news.google.com src=\"//x\"",
       "a host at byte 0 is not contained"},
      {"title>", "x news.google.com &amp;", "x news.google.com &amp;",
       "titles skip the Google rules"},
      // Escaped twice, "&amp;url=" survives the unescaping of "&amp;" and ends the wrapper.
      {"description>",
       "<a href=\"http://news.google.com/news/url?sa=t&amp;amp;fd=R&amp;amp;url=http://a.cn\">",
       "<a href=\"http://news.google.com/news/&amp;url=http://a.cn\">", "piece between markers"},
      // No "url?sa=": the piece is the field's first b + 1 bytes, removed everywhere.
      {"description>", "ab news.google.com &amp;amp;url= ab news.google.com ",
       "amp;url= ab news.google.com ", "a missing start clamps to the field's head"},
      {"description>", "x news.google.com url?sa=y", "x news.google.com url?sa=y",
       "a missing end gives an empty piece"},
      {"description>",
       "<img src=http://t1.baidu.com/it/u=http%3A%2F%2Fa.cn%2F1.jpg&amp;fm=30 border=0>",
       "<img src=http://a.cn/1.jpg border=0>", "Baidu proxy prefix and suffix"},
      {"description>", "x t3.baidu.com border=0 y &amp;fm= z",
       "x t3.baidu.com border=0 y &amp;fm= z", "without u=http the Baidu rule stays off"},
      {"description>", "x t2.baidu.com u=http border=0", " order=0",
       "a missing suffix marker replaces the clamped head with a blank"},
      {"description>", "x<a href=1>5" + related + "</a>z", "xz", "related-news link"},
      {"description>", "x<a href=1>5" + Gbk("条相关") + "&gt;&gt;</a>z", "xz",
       "escaped arrows count after unescaping"},
      {"description>",
       "x news.youdao.com <a href=\"http://news.youdao.com/zt\">" + Gbk("查看专题") +
           "</a> <img src=\"a.jpg\">",
       "x news.youdao.com  <img border='0' src=\"a.jpg\">", "Youdao topic link and picture border"},
      {"description>",
       "<img src=\"http://news.youdao.com/images/tranzhuantisymbol.png\" border=\"0\" alt=\"\" "
       "align=absmiddle>" +
           Gbk("伦敦"),
       Gbk("伦敦"), "topic symbol"},
  });
}

TEST(CleanField, SosoLongTextIsCutAtThreeHundredBytes) {
  const Text word = Gbk("预览");  // two double-byte characters
  Text body;
  while (body.size() < 400) body += word;
  const Text field =
      "x news.soso.com <center><b>" + body + "</b></center>--" + Gbk("以上正文预览由");
  EXPECT_EQ(CleanField(field, "description>"), Left("x news.soso.com " + body, 300) + "...");

  // An odd markup length makes the cut split a character: bytes count, not characters.
  const Text odd = CleanField("xy news.soso.com " + body, "description>");
  EXPECT_EQ(odd, Left("xy news.soso.com " + body, 300) + "...");
  EXPECT_EQ(odd[299], body[282]);  // the lead byte of a character whose trail byte is gone

  EXPECT_EQ(CleanField("x news.soso.com --", "description>"), "x news.soso.com --")
      << "short texts are kept whole";
}

}  // namespace
}  // namespace orvanta
