#include "shell/page_builders.h"

#include "news/text/code_page.h"

// The builders arrive one by one; until one is there its page is a plain stand-in.
#if __has_include("pages/start_page.h")
#include "pages/start_page.h"
#define ORVANTA_HAVE_START_PAGE 1
#endif
#if __has_include("pages/loading_page.h")
#include "pages/loading_page.h"
#define ORVANTA_HAVE_LOADING_PAGE 1
#endif
#if __has_include("pages/help_page.h")
#include "pages/help_page.h"
#define ORVANTA_HAVE_HELP_PAGE 1
#endif
#if __has_include("pages/media_search_pages.h")
#include "pages/media_search_pages.h"
#define ORVANTA_HAVE_MEDIA_PAGES 1
#elif __has_include("pages/media_search_page.h")
#include "pages/media_search_page.h"
#define ORVANTA_HAVE_MEDIA_PAGES 1
#elif __has_include("pages/media_pages.h")
#include "pages/media_pages.h"
#define ORVANTA_HAVE_MEDIA_PAGES 1
#endif

namespace orvanta {
namespace {

[[maybe_unused]] Text StandIn(std::string_view titleUtf8) {
  return Gbk(std::string("<html><head><meta http-equiv='Content-Type' content='text/html; "
                         "charset=gb2312'><title>") +
             std::string(titleUtf8) + "</title></head><body><p>" + std::string(titleUtf8) +
             "</p></body></html>");
}

}  // namespace

Text LoadingPageText() {
#ifdef ORVANTA_HAVE_LOADING_PAGE
  return BuildLoadingPage(1);
#else
  return StandIn("正在载入");
#endif
}

Text StartPageText() {
#ifdef ORVANTA_HAVE_START_PAGE
  return BuildStartPage(1);
#else
  return StandIn("资讯");
#endif
}

Text VideoPageText() {
#ifdef ORVANTA_HAVE_MEDIA_PAGES
  return BuildVideoPage(1);
#else
  return StandIn("视频");
#endif
}

Text ImagePageText() {
#ifdef ORVANTA_HAVE_MEDIA_PAGES
  return BuildImagePage(1);
#else
  return StandIn("图片");
#endif
}

Text MusicPageText() {
#ifdef ORVANTA_HAVE_MEDIA_PAGES
  return BuildMusicPage(1);
#else
  return StandIn("音乐");
#endif
}

Text HelpPageText() {
#ifdef ORVANTA_HAVE_HELP_PAGE
  return BuildHelpPage(1);
#else
  return StandIn("帮助");
#endif
}

}  // namespace orvanta
