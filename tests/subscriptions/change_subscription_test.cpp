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

using Outcome = SubscriptionOutcome;

// The sequence test below checks outcomes and files at large; these rows pin each message
// and the edges that a random sequence seldom reaches.
TEST(ApplySubscriptionChange, GivesTheOutcomeTheMessageAndTheNewFile) {
  const Text three = FileOf({"a", "b", "c"});
  TextArray sixty = Numbered(59);
  sixty.insert(sixty.begin(), "new");
  const Text limit =
      Gbk("抱歉，您订阅的关键字超过了60个，\r\n\r\n请删除不常用的关键字，"
          "\r\n\r\n然后再订阅新的关键字即可!");
  const struct {
    const char* what;
    Text file, keyword;
    int flag;
    Outcome outcome;
    Text message;
    std::optional<Text> newText;
  } rows[] = {
      {"a new keyword goes first", three, "d", 1, Outcome::kSubscribed, Gbk("成功订阅“d”资讯。"),
       FileOf({"d", "a", "b", "c"})},
      {"the sixtieth still fits", FileOf(Numbered(59)), "new", 1, Outcome::kSubscribed,
       Gbk("成功订阅“new”资讯。"), FileOf(sixty)},
      {"the sixty-first does not", FileOf(sixty), "more", 1, Outcome::kLimitReached, limit,
       std::nullopt},
      {"a duplicate is one even when the list is full", FileOf(sixty), "k5", 1,
       Outcome::kAlreadySubscribed, Gbk("已订阅此关键字!"), std::nullopt},
      {"remove the last, leaving one closing tag", three, "c", 0, Outcome::kUnsubscribed,
       Gbk("成功取消“c”关键字的订阅。"), FileOf({"a", "b"})},
      {"any flag but 1 unsubscribes", three, "a", 7, Outcome::kUnsubscribed,
       Gbk("成功取消“a”关键字的订阅。"), FileOf({"b", "c"})},
      {"remove the only one", FileOf({"a"}), "a", 0, Outcome::kUnsubscribed,
       Gbk("成功取消“a”关键字的订阅。"), "<Account></Account>"},
      {"an empty account has no entries", "<Account></Account>", "x", 0, Outcome::kNotSubscribed,
       Gbk("您未订阅“x”关键字。"), std::nullopt},
      {"an empty account takes a first one", "<Account></Account>", "x", 1, Outcome::kSubscribed,
       Gbk("成功订阅“x”资讯。"), FileOf({"x"})},
      {"a keyword with a blank is one keyword", FileOf({"a b"}), "a", 0, Outcome::kNotSubscribed,
       Gbk("您未订阅“a”关键字。"), std::nullopt},
      {"an empty keyword", three, "", 1, Outcome::kEmptyKeyword, Gbk("订阅关键字不能为空！"),
       std::nullopt},
  };
  for (const auto& row : rows) {
    const SubscriptionChange change = ApplySubscriptionChange(row.file, row.keyword, row.flag);
    EXPECT_EQ(change.outcome, row.outcome) << row.what;
    EXPECT_EQ(change.message, row.message) << row.what;
    EXPECT_EQ(change.newText, row.newText) << row.what;
    EXPECT_EQ(change.RefillTree(), row.newText.has_value()) << row.what;
  }
}

TEST(ApplySubscriptionChange, RefusesKeywordsThatWouldBreakTheFile) {
  const Text file = FileOf({"a"});
  for (const char* keyword :
       {"a\"b", "\"", "x<USERy", "a$$b", "a</Account>", "<Account>b", "two\r\nlines", "a\nb"}) {
    const SubscriptionChange change = ApplySubscriptionChange(file, keyword, 1);
    EXPECT_EQ(change.outcome, Outcome::kRefusedKeyword) << keyword;
    EXPECT_EQ(change.message, Gbk("订阅关键字不能含有双引号、“<USER”、“$$”或换行等字符！"));
    EXPECT_FALSE(change.newText) << keyword;
    EXPECT_EQ(ApplySubscriptionChange(file, keyword, 0).outcome, Outcome::kNotSubscribed);
  }
}

TEST(ChangeSubscription, WritesTheDefaultsForAMissingFileButNotForAnEmptyKeyword) {
  SubscriptionFolder folder;
  for (int flag : {0, 1})
    EXPECT_EQ(ChangeSubscription(folder.File(), "", flag).outcome, Outcome::kEmptyKeyword);
  EXPECT_FALSE(folder.HasFile());
  EXPECT_EQ(ChangeSubscription(folder.File(), Gbk("国内"), 1).outcome, Outcome::kAlreadySubscribed);
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
  ASSERT_EQ(ChangeSubscription(folder.File(), "x", 1).outcome, Outcome::kSubscribed);
  std::filesystem::remove(folder.File());
  EXPECT_EQ(ReadSubscriptionKeywords(folder.File()).keywords.size(), 7u);
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

TEST(ChangeSubscription, ReportsAnUnreadableFileNamingIt) {
  SubscriptionFolder folder;
  std::filesystem::create_directory(folder.File());  // a folder where the file should be
  const SubscriptionChange change = ChangeSubscription(folder.File(), "x", 1);
  EXPECT_EQ(change.outcome, Outcome::kFileError);
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
    EXPECT_EQ(change.outcome, Outcome::kFileError);
    EXPECT_FALSE(change.RefillTree());
    EXPECT_NE(change.message.find(folder.File()), std::string::npos);
  }
  EXPECT_EQ(folder.Read(), FileOf({"a", "b"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.At("sc")),
                          std::filesystem::directory_iterator()),
            1);  // no temporary left behind
}

TEST(ChangeSubscription, KeepsTheOldListInAnUnwritableFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  SubscriptionFolder folder;
  folder.Write(FileOf({"a"}));
  namespace fs = std::filesystem;
  fs::permissions(folder.At("sc"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(ChangeSubscription(folder.File(), "b", 1).outcome, Outcome::kFileError);
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
      expected = Outcome::kEmptyKeyword;
    } else if (flag == 0) {
      expected = stored == model.end() ? Outcome::kNotSubscribed : Outcome::kUnsubscribed;
      if (stored != model.end()) model.erase(stored);
    } else if (!IsStorableKeyword(keyword)) {
      expected = Outcome::kRefusedKeyword;
    } else if (stored != model.end()) {
      expected = Outcome::kAlreadySubscribed;
    } else if (model.size() >= 60) {
      expected = Outcome::kLimitReached;
    } else {
      expected = Outcome::kSubscribed;
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
