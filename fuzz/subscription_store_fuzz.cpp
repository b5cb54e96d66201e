// The subscription file's text functions on hostile files and keywords.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_entry.h"
#include "subscriptions/subscription_keywords.h"
#include "text/text.h"

namespace {

using namespace orvanta;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool WellFormed(std::string_view text, const TextArray& keywords) {
  Text expected = "<Account>";
  for (const Text& keyword : keywords) expected += MakeSubscriptionEntry(keyword);
  return text == expected + "</Account>";
}

}  // namespace

// Input: a keyword, a byte 0x00, a flag byte, then the rest. The rest is used twice: as an
// arbitrary file text, and split at 0x01 into keywords of a file the program could have
// written.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  const std::string_view keyword = input.substr(0, zero);
  const std::string_view rest = zero == std::string_view::npos ? "" : input.substr(zero + 1);
  const int flag = rest.empty() ? 1 : (rest[0] & 1);
  const std::string_view fileText = rest.empty() ? rest : rest.substr(1);

  // Arbitrary file text: no crash, and a change always yields a closed account.
  for (const Text& entry : SubscriptionEntryList(fileText)) {
    Require(GetAttributeValue(entry, kIdMarker).find('"') == Text::npos);
    GetAttributeValue(entry, keyword);
  }
  const SubscriptionChange anyChange = ApplySubscriptionChange(fileText, keyword, flag);
  if (anyChange.newText) {
    Require(anyChange.newText->starts_with("<Account>"));
    Require(anyChange.newText->ends_with("</Account>"));
  }

  // A file of storable keywords stays exactly the file that its keyword list describes.
  TextArray keywords;
  std::size_t begin = 0;
  while (begin <= fileText.size() && keywords.size() < 70) {
    std::size_t end = fileText.find('\x01', begin);
    if (end == std::string_view::npos) end = fileText.size();
    const Text candidate(fileText.substr(begin, end - begin));
    bool duplicate = false;
    for (const Text& known : keywords) duplicate = duplicate || known == candidate;
    if (!candidate.empty() && IsStorableKeyword(candidate) && !duplicate)
      keywords.push_back(candidate);
    begin = end + 1;
  }
  Text file = "<Account>";
  for (const Text& known : keywords) file += MakeSubscriptionEntry(known);
  file += "</Account>";
  Require(SubscriptionKeywords(file) == keywords);

  const SubscriptionChange change = ApplySubscriptionChange(file, keyword, flag);
  TextArray expected = keywords;
  bool stored = false;
  for (const Text& known : keywords) stored = stored || known == keyword;
  switch (change.outcome) {
    case SubscriptionOutcome::kSubscribed:
      Require(flag == 1 && !stored && keywords.size() < kMaxSubscriptions);
      expected.insert(expected.begin(), Text(keyword));
      break;
    case SubscriptionOutcome::kUnsubscribed:
      Require(flag == 0 && stored);
      std::erase(expected, Text(keyword));
      break;
    case SubscriptionOutcome::kAlreadySubscribed:
      Require(stored);
      break;
    case SubscriptionOutcome::kNotSubscribed:
      Require(!stored);
      break;
    case SubscriptionOutcome::kLimitReached:
      Require(keywords.size() >= kMaxSubscriptions);
      break;
    case SubscriptionOutcome::kEmptyKeyword:
      Require(keyword.empty());
      break;
    case SubscriptionOutcome::kRefusedKeyword:
      Require(!IsStorableKeyword(keyword));
      break;
    case SubscriptionOutcome::kFileError:
      Require(false);
      break;
  }
  Require(change.message.size() > 0);
  if (change.newText) {
    Require(WellFormed(*change.newText, expected));
    Require(SubscriptionKeywords(*change.newText) == expected);
  }
  return 0;
}
