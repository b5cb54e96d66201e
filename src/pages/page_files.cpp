#include "pages/page_files.h"

#include "pages/help_page.h"
#include "pages/loading_page.h"
#include "pages/media_search_page.h"
#include "pages/start_page.h"

namespace orvanta {

Text LoadingPageText() { return BuildLoadingPage(1); }
Text StartPageText() { return BuildStartPage(1); }
Text VideoPageText() { return BuildVideoPage(1); }
Text ImagePageText() { return BuildImagePage(1); }
Text MusicPageText() { return BuildMusicPage(1); }
Text HelpPageText() { return BuildHelpPage(1); }

}  // namespace orvanta
