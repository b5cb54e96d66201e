#include "subscriptions/change_subscription.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "subscriptions/scratch_folder.h"
#include "subscriptions/subscription_entry.h"
#include "subscriptions/subscription_file.h"
#include "subscriptions/subscription_keywords.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::SubscriptionFolder;

Text FileOf(const TextArray& keywords) {
  Text text = "<Account>";
  for (const Text& keyword : keywords) text += MakeSubscriptionEntry(keyword);
  return text + "</Account>";
}

TextArray Numbered(int count) {
  TextArray keywords;
  for (int k = 1; k <= count; ++k) keywords.push_back("k" + std::to_string(k));
  return keywords;
}

TEST(ChangeSubscription, CreatesTheDefaultFileAndRefusesADefaultKeyword) {
  SubscriptionFolder folder;
  const SubscriptionChange change = ChangeSubscription(folder.File(), Gbk("国内"), 1);
  EXPECT_EQ(change.outcome, SubscriptionOutcome::kAlreadySubscribed);
  EXPECT_EQ(change.message, Gbk("已订阅此关键字!"));
  EXPECT_FALSE(change.RefillTree());
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

TEST(ChangeSubscription, PutsANewKeywordFirst) {
  SubscriptionFolder folder;
  const SubscriptionChange change = ChangeSubscription(folder.File(), Gbk("体育"), 1);
  EXPECT_EQ(change.outcome, SubscriptionOutcome::kSubscribed);
  EXPECT_EQ(change.message, Gbk("成功订阅“体育”资讯。"));
  EXPECT_TRUE(change.RefillTree());
  const Text defaults = DefaultSubscriptionText();
  EXPECT_EQ(folder.Read(), "<Account>" + MakeSubscriptionEntry(Gbk("体育")) +
                               defaults.substr(9, defaults.size() - 9 - 10) + "</Account>");
  EXPECT_EQ(ReadSubscriptionKeywords(folder.File()).keywords.front(), Gbk("体育"));
}

TEST(ChangeSubscription, StopsAtSixtyEntries) {
  const Text fiftyNine = FileOf(Numbered(59));
  const SubscriptionChange sixtieth = ApplySubscriptionChange(fiftyNine, "new", 1);
  ASSERT_EQ(sixtieth.outcome, SubscriptionOutcome::kSubscribed);
  EXPECT_EQ(SubscriptionKeywords(*sixtieth.newText).size(), 60u);

  const SubscriptionChange sixtyFirst = ApplySubscriptionChange(*sixtieth.newText, "more", 1);
  EXPECT_EQ(sixtyFirst.outcome, SubscriptionOutcome::kLimitReached);
  EXPECT_EQ(sixtyFirst.message, Gbk("抱歉，您订阅的关键字超过了60个，\r\n\r\n请删除不常用的关键字，"
                                    "\r\n\r\n然后再订阅新的关键字即可!"));
  EXPECT_FALSE(sixtyFirst.newText);
  // A duplicate is reported as such even when the list is full.
  EXPECT_EQ(ApplySubscriptionChange(*sixtieth.newText, "k5", 1).outcome,
            SubscriptionOutcome::kAlreadySubscribed);
}

TEST(ChangeSubscription, RemovesTheLastAndAMiddleEntryLeavingOneClosingTag) {
  const Text three = FileOf({"a", "b", "c"});
  const struct {
    const char* keyword;
    TextArray kept;
  } cases[] = {{"c", {"a", "b"}}, {"b", {"a", "c"}}, {"a", {"b", "c"}}};
  for (const auto& row : cases) {
    const SubscriptionChange change = ApplySubscriptionChange(three, row.keyword, 0);
    EXPECT_EQ(change.outcome, SubscriptionOutcome::kUnsubscribed) << row.keyword;
    EXPECT_EQ(change.message, Gbk("成功取消“") + row.keyword + Gbk("”关键字的订阅。"));
    EXPECT_EQ(change.newText, FileOf(row.kept)) << row.keyword;
  }
  EXPECT_EQ(ApplySubscriptionChange(FileOf({"a"}), "a", 0).newText, "<Account></Account>");
}

TEST(ChangeSubscription, TreatsAnEmptyAccountAsNoEntries) {
  const SubscriptionChange missing = ApplySubscriptionChange("<Account></Account>", "x", 0);
  EXPECT_EQ(missing.outcome, SubscriptionOutcome::kNotSubscribed);
  EXPECT_EQ(missing.message, Gbk("您未订阅“x”关键字。"));
  EXPECT_EQ(ApplySubscriptionChange("<Account></Account>", "x", 1).newText,
            "<Account>" + MakeSubscriptionEntry("x") + "</Account>");
}

TEST(ChangeSubscription, KeepsAKeywordWithABlankWhole) {
  SubscriptionFolder folder;
  ASSERT_EQ(ChangeSubscription(folder.File(), "a b", 1).outcome, SubscriptionOutcome::kSubscribed);
  EXPECT_TRUE(folder.Read().starts_with("<Account><USER id=\"a b\" password=\"a b\""));
  EXPECT_EQ(ReadSubscriptionKeywords(folder.File()).keywords.front(), "a b");
  EXPECT_EQ(ChangeSubscription(folder.File(), "a", 0).outcome, SubscriptionOutcome::kNotSubscribed);
  EXPECT_EQ(ChangeSubscription(folder.File(), "a b", 0).outcome, SubscriptionOutcome::kUnsubscribed);
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

TEST(ChangeSubscription, RefusesKeywordsThatWouldBreakTheFile) {
  SubscriptionFolder folder;
  for (const char* keyword : {"a\"b", "\"", "x<USERy", "a$$b", "a</Account>", "<Account>b",
                              "two\r\nlines", "a\nb"}) {
    const SubscriptionChange change = ChangeSubscription(folder.File(), keyword, 1);
    EXPECT_EQ(change.outcome, SubscriptionOutcome::kRefusedKeyword) << keyword;
    EXPECT_FALSE(change.message.empty());
    EXPECT_EQ(ChangeSubscription(folder.File(), keyword, 0).outcome,
              SubscriptionOutcome::kNotSubscribed);
  }
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

TEST(ChangeSubscription, TurnsAwayAnEmptyKeywordWithoutTouchingTheFile) {
  SubscriptionFolder folder;
  for (int flag : {0, 1}) {
    const SubscriptionChange change = ChangeSubscription(folder.File(), "", flag);
    EXPECT_EQ(change.outcome, SubscriptionOutcome::kEmptyKeyword);
    EXPECT_EQ(change.message, Gbk("订阅关键字不能为空！"));
  }
  EXPECT_FALSE(folder.HasFile());
}

TEST(ChangeSubscription, RecreatesARemovedFileWithTheDefaults) {
  SubscriptionFolder folder;
  ChangeSubscription(folder.File(), "x", 1);
  std::filesystem::remove(folder.File());
  EXPECT_EQ(ReadSubscriptionKeywords(folder.File()).keywords.size(), 7u);
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

TEST(ChangeSubscription, ReportsAnUnreadableFileNamingIt) {
  SubscriptionFolder folder;
  std::filesystem::create_directory(folder.File());  // a folder where the file should be
  const SubscriptionChange change = ChangeSubscription(folder.File(), "x", 1);
  EXPECT_EQ(change.outcome, SubscriptionOutcome::kFileError);
  EXPECT_NE(change.message.find(folder.File()), std::string::npos);
  EXPECT_TRUE(ReadSubscriptionKeywords(folder.File()).errorMessage);
}

// The file size limit makes every write fail, even for root, who ignores permissions.
class WriteFailure {
 public:
  WriteFailure() {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old_;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~WriteFailure() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  sighandler_t previous_;
};

TEST(ChangeSubscription, KeepsTheOldListWhenTheWriteFails) {
  SubscriptionFolder folder;
  folder.Write(FileOf({"a", "b"}));
  SubscriptionChange subscribe, unsubscribe;
  {
    WriteFailure failure;
    subscribe = ChangeSubscription(folder.File(), "c", 1);
    unsubscribe = ChangeSubscription(folder.File(), "a", 0);
  }
  for (const SubscriptionChange& change : {subscribe, unsubscribe}) {
    EXPECT_EQ(change.outcome, SubscriptionOutcome::kFileError);
    EXPECT_FALSE(change.RefillTree());
    EXPECT_NE(change.message.find(folder.File()), std::string::npos);
  }
  EXPECT_EQ(folder.Read(), FileOf({"a", "b"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path() + "/sc"),
                          std::filesystem::directory_iterator()),
            1);  // no temporary left behind
}

TEST(ChangeSubscription, KeepsTheOldListInAnUnwritableFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  SubscriptionFolder folder;
  folder.Write(FileOf({"a"}));
  std::filesystem::permissions(folder.Path() + "/sc", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
  EXPECT_EQ(ChangeSubscription(folder.File(), "b", 1).outcome, SubscriptionOutcome::kFileError);
  EXPECT_EQ(folder.Read(), FileOf({"a"}));
}

// Any sequence of changes leaves exactly the file that a plain list of keywords describes.
TEST(ChangeSubscription, KeepsTheFileWellFormedThroughAnySequence) {
  TextArray pool = Numbered(70);
  for (const char* odd : {"a b", "a", " ", "x/>y", "kid=1", "a!!b", "$", "a$", "%E4%BD", "!"})
    pool.push_back(odd);
  pool.push_back(Gbk("体育"));
  pool.push_back(Gbk("社会"));
  pool.push_back("\x81");  // a lone lead byte
  for (const char* refused : {"", "q\"", "<USER", "$$"}) pool.push_back(refused);

  SubscriptionFolder folder;
  ASSERT_TRUE(ReadSubscriptionFile(folder.File()).text);
  TextArray model = SubscriptionKeywords(DefaultSubscriptionText());
  std::set<SubscriptionOutcome> seen;
  std::mt19937 random(20240601);
  for (int step = 0; step < 400; ++step) {
    const Text& keyword = pool[random() % pool.size()];
    const int flag = random() % 3 == 0 ? 0 : 1;
    const SubscriptionChange change = ChangeSubscription(folder.File(), keyword, flag);
    const auto stored = std::find(model.begin(), model.end(), keyword);
    SubscriptionOutcome expected;
    if (keyword.empty()) {
      expected = SubscriptionOutcome::kEmptyKeyword;
    } else if (flag == 0) {
      expected = stored == model.end() ? SubscriptionOutcome::kNotSubscribed
                                       : SubscriptionOutcome::kUnsubscribed;
      if (stored != model.end()) model.erase(stored);
    } else if (!IsStorableKeyword(keyword)) {
      expected = SubscriptionOutcome::kRefusedKeyword;
    } else if (stored != model.end()) {
      expected = SubscriptionOutcome::kAlreadySubscribed;
    } else if (model.size() >= 60) {
      expected = SubscriptionOutcome::kLimitReached;
    } else {
      expected = SubscriptionOutcome::kSubscribed;
      model.insert(model.begin(), keyword);
    }
    ASSERT_EQ(change.outcome, expected) << "step " << step << " keyword " << keyword;
    seen.insert(expected);
    ASSERT_EQ(folder.Read(), FileOf(model)) << "step " << step;
    ASSERT_EQ(ReadSubscriptionKeywords(folder.File()).keywords, model) << "step " << step;
  }
  EXPECT_EQ(seen.size(), 7u) << "the sequence should reach every outcome but a file error";
}

}  // namespace
}  // namespace orvanta
