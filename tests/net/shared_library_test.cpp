// Libraries opened on first use: the first name that opens counts, a missing one is closed.
#include "net/shared_library.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace orvanta {
namespace {

using Length = std::size_t (*)(const char*);

TEST(SharedLibrary, FindsFunctionsInTheFirstLibraryThatOpens) {
  const SharedLibrary library{"libno-such-library.so.9", "libc.so.6"};
  ASSERT_TRUE(library.IsOpen());
  Length length = nullptr;
  ASSERT_TRUE(library.Find("strlen", length));
  EXPECT_EQ(length("seven!!"), 7u);
  EXPECT_FALSE(library.Find("no_such_function_anywhere", length));
  EXPECT_EQ(length, nullptr);
}

TEST(SharedLibrary, AMissingLibraryStaysClosedAndFindsNothing) {
  const SharedLibrary library{"libno-such-library.so.9"};
  EXPECT_FALSE(library.IsOpen());
  Length length = [](const char*) -> std::size_t { return 0; };
  EXPECT_FALSE(library.Find("strlen", length));
  EXPECT_EQ(length, nullptr);
}

}  // namespace
}  // namespace orvanta
