// A feed read into a store the way a build reads it, with its four arrays checked in step.
#pragma once

#include <gtest/gtest.h>

#include "news/parse_feed.h"

namespace orvanta::testing {

inline NewsItemStore ParsedFeed(const Text& feed) {
  NewsItemStore store;
  ParseFeed(store, feed);
  EXPECT_EQ(store.links.size(), store.titles.size());
  EXPECT_EQ(store.dates.size(), store.titles.size());
  EXPECT_EQ(store.descriptions.size(), store.titles.size());
  return store;
}

}  // namespace orvanta::testing
