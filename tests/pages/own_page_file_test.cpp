#include "pages/own_page_file.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(IsOwnPageFile, OnlyNamesWithoutExtensionDirectlyInScOrTemp) {
  struct Case {
    const char* path;
    const char* folder;
    bool own;
  };
  const Case cases[] = {
      {"/w/temp/~astq22265291", "/w", true},
      {"/w/sc/jz1", "/w", true},
      {"/w/sc/~astq3339681", "/w/", true},
      {"/w/sc/page.html", "/w", false},  // a name with an extension keeps its own type
      {"/w/sc/sub/jz1", "/w", false},    // only the folders the program writes to
      {"/w/sc/", "/w", false},
      {"/w/doc/jz1", "/w", false},
      {"/wx/sc/jz1", "/w", false},  // a folder that only begins like the working one
      {"/other/sc/jz1", "/w", false},
      {"/w/temp/.hidden", "/w", false},
      {"/sc/jz1", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsOwnPageFile(c.path, c.folder), c.own) << c.path;
}

}  // namespace
}  // namespace orvanta
