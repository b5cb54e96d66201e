#include "pages/load_error_page.h"

#include <gtest/gtest.h>

#include "pages/crash_page.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(LoadErrorPage, NamesTheAddressAndTheReasonAsTextNeverAsMarkup) {
  const Text page = BuildLoadErrorPage("http://x/\"><script>alert(1)</script>",
                                       "Could not <b>connect</b> & failed");
  EXPECT_NE(page.find(Gbk("<title>打开目标地址出错，请检查网络连接状况</title>")), Text::npos);
  EXPECT_NE(page.find("http://x/&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;"), Text::npos);
  EXPECT_NE(page.find("Could not &lt;b&gt;connect&lt;/b&gt; &amp; failed"), Text::npos);
  EXPECT_EQ(page.find("<script"), Text::npos);
  EXPECT_EQ(page.find("<b>"), Text::npos);
}

TEST(LoadErrorPage, TheCrashPageKeepsItsBytesInTheSharedFrame) {
  EXPECT_EQ(BuildCrashPage("orvanta://retry/"),
            Gbk("<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                "charset=gb2312\" /><title>网页显示已中断</title></HEAD><BODY>"
                "<div style='margin-top:55px;text-align:center;font:14px arial;'>"
                "网页显示已中断，多次重新载入仍未成功。<br><br><a href=\"orvanta://retry/\">"
                "重新载入此网页</a></div></BODY></HTML>"));
}

}  // namespace
}  // namespace orvanta
