#include "news/sources_file.h"

#include <algorithm>
#include <map>
#include <optional>

#include "files/read_file.h"
#include "files/xdg_folder.h"
#include "net/download.h"
#include "news/news_source_table.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kKeywordLine = "keyword";
constexpr std::size_t kMaxAddresses = std::tuple_size_v<NewsFeedSlots>;
constexpr std::size_t kMaxTemplates = std::tuple_size_v<decltype(KeywordTemplates::addresses)>;
// A first field longer than any number is not repeated in the report.
constexpr std::size_t kShownFieldLimit = 24;

bool IsBlankOrComment(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

// Fields between tabs; trailing empty fields (tabs left at the end of a line) are dropped.
TextArray Fields(std::string_view line) {
  TextArray fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  while (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return fields;
}

// The download function's own judgement: it refuses what is not an http or https address.
bool IsFeedAddress(const Text& field) { return !PrepareAddress(field).empty(); }

Text Ordinal(std::size_t position) { return Gbk("第") + std::to_string(position) + Gbk("个"); }

class SourcesFileParser {
 public:
  explicit SourcesFileParser(std::string_view fileName) : fileName_(fileName) {
    Utf8ToLocal(fileName_);
  }

  void ReadLine(std::string_view utf8, int lineNumber) {
    if (!utf8.empty() && utf8.back() == '\r') utf8.remove_suffix(1);
    if (IsBlankOrComment(utf8)) return;
    lineNumber_ = lineNumber;
    const std::optional<Text> line = Utf8ToLocalExactly(utf8);
    if (!line) return Complain(Gbk("不是 UTF-8 文本，或有 GBK 无法表示的字符"));
    const TextArray fields = Fields(*line);
    if (fields[0] == kKeywordLine)
      ReadKeywordLine(fields);
    else
      ReadRow(fields);
  }

  SourcesFile Take() { return std::move(file_); }

 private:
  void ReadRow(const TextArray& fields) {
    const Text& number = fields[0];
    const TextArray& numbers = NewsSourceNumbers();
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
      return Complain(Quoted(number) + Gbk("不是新闻源表中的编号"));
    if (fields.size() - 1 > kMaxAddresses) return Complain(Gbk("地址多于六个"));
    NewsFeedSlots slots;
    for (std::size_t k = 1; k < fields.size(); ++k) {
      if (!fields[k].empty() && !IsFeedAddress(fields[k]))
        return Complain(Ordinal(k) + Gbk("地址不是 http 或 https 地址"));
      slots[k - 1] = fields[k];
    }
    if (const int earlier = FirstLineOf(number)) return ComplainRepeated(Quoted(number), earlier);
    rowLines_.emplace(number, lineNumber_);
    file_.overrides.rows.emplace(number, std::move(slots));
  }

  void ReadKeywordLine(const TextArray& fields) {
    const std::optional<KeywordEncoding> encoding = EncodingNamed(fields.back());
    if (!encoding) return Complain(Gbk("最后一栏应为 gbk 或 utf8"));
    const std::size_t templates = fields.size() - 2;
    if (templates > kMaxTemplates) return Complain(Gbk("地址模板多于五个"));
    KeywordTemplates keyword;
    keyword.encoding = *encoding;
    for (std::size_t k = 1; k <= templates; ++k) {
      const Text& address = fields[k];
      if (address.empty()) continue;
      if (!IsFeedAddress(address))
        return Complain(Ordinal(k) + Gbk("地址模板不是 http 或 https 地址"));
      if (Find(address, kKeywordPlaceholder) < 0)
        return Complain(Ordinal(k) + Gbk("地址模板中没有 {keyword}"));
      keyword.addresses[k - 1] = address;
    }
    if (keywordLine_ != 0) return ComplainRepeated(Text(kKeywordLine), keywordLine_);
    keywordLine_ = lineNumber_;
    file_.overrides.keyword = std::move(keyword);
  }

  static std::optional<KeywordEncoding> EncodingNamed(const Text& field) {
    if (field == "gbk") return KeywordEncoding::kGbk;
    if (field == "utf8") return KeywordEncoding::kUtf8;
    return std::nullopt;
  }

  int FirstLineOf(const Text& number) const {
    const auto found = rowLines_.find(number);
    return found == rowLines_.end() ? 0 : found->second;
  }

  static Text Quoted(const Text& field) {
    if (field.size() > kShownFieldLimit) return Gbk("第一栏");
    return Gbk("“") + field + Gbk("”");
  }

  void ComplainRepeated(const Text& what, int earlierLine) {
    Complain(what + Gbk(" 已在第") + std::to_string(earlierLine) + Gbk("行给出，这一行未用"));
  }

  void Complain(const Text& why) {
    file_.problems.push_back(fileName_ + Gbk(" 第") + std::to_string(lineNumber_) + Gbk("行：") +
                             why);
  }

  Text fileName_;
  int lineNumber_ = 0;
  SourcesFile file_;
  std::map<Text, int> rowLines_;  // the line that gave each row
  int keywordLine_ = 0;
};

SourcesFile FileProblem(const std::string& path, std::string_view why) {
  Text name(path);
  Utf8ToLocal(name);
  SourcesFile file;
  file.problems.push_back(name + Gbk("：") + Text(why));
  return file;
}

}  // namespace

std::string SourcesFilePath() {
  const std::string folder = XdgFolder("XDG_CONFIG_HOME", ".config", "orvanta");
  return folder.empty() ? std::string() : folder + "/sources";
}

SourcesFile ParseSourcesFile(std::string_view utf8, std::string_view fileName) {
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
  SourcesFileParser parser(fileName);
  int lineNumber = 0;
  while (!utf8.empty()) {
    const std::size_t end = utf8.find('\n');
    parser.ReadLine(utf8.substr(0, end), ++lineNumber);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
  }
  return parser.Take();
}

SourcesFile ReadSourcesFile(const std::string& path) {
  if (path.empty()) return {};
  const FileRead read = ReadRegularFile(path, kSourcesFileLimit + 1);
  if (!read.bytes) {
    switch (read.failure) {
      case FileReadFailure::kMissing:
        return {};
      case FileReadFailure::kNotAFile:
        return FileProblem(path, Gbk("不是普通文件，没有读取"));
      case FileReadFailure::kUnreadable:
        break;
    }
    return FileProblem(path, Gbk("无法读取"));
  }
  if (read.bytes->size() > kSourcesFileLimit) return FileProblem(path, Gbk("大于 1 MB，没有读取"));
  return ParseSourcesFile(*read.bytes, path);
}

}  // namespace orvanta
