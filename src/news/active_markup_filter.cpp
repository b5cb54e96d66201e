#include "news/active_markup_filter.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "text/pseudo_link.h"

namespace orvanta {
namespace {

constexpr std::string_view kInertAddress = "about:blank";
constexpr std::string_view kRenamedHandler = "data-blocked-";

bool IsAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// The whitespace of the browser's tokenizer; a CR counts because the browser turns it into LF.
bool IsMarkupSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (at > text.size() || text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (LowerAscii(text[at + i]) != prefix[i]) return false;
  return true;
}

// Elements that run or load active content, that change where the page's links go or where
// its forms send, and those that switch the browser into a raw-text reading in which the
// rest of the field would be read differently than it is checked here.
bool IsBlockedElement(std::string_view name) {
  static constexpr std::array<std::string_view, 18> kBlocked = {
      "script",  "iframe",   "frame",    "frameset",  "object", "embed",
      "applet",  "base",     "meta",     "form",      "style",  "xmp",
      "noembed", "noframes", "noscript", "plaintext", "title",  "textarea"};
  if (name.size() > 9) return false;
  char lower[10];
  for (std::size_t i = 0; i < name.size(); ++i) lower[i] = LowerAscii(name[i]);
  const std::string_view folded(lower, name.size());
  for (std::string_view blocked : kBlocked)
    if (folded == blocked) return true;
  return false;
}

// Attributes that only ever show text to the reader: a title such as "javascript: the good
// parts" is no address.
bool IsTextAttribute(std::string_view name) {
  static constexpr std::array<std::string_view, 6> kText = {"title",   "alt",   "abbr",
                                                            "summary", "label", "placeholder"};
  for (std::string_view text : kText)
    if (name.size() == text.size() && StartsWithNoCase(name, 0, text)) return true;
  return false;
}

bool IsEventHandler(std::string_view name) {
  return name.size() > 2 && LowerAscii(name[0]) == 'o' && LowerAscii(name[1]) == 'n';
}

// "onerror" becomes "data-blocked-error": every leading "on" goes, so no handler name is left.
Text RenamedHandler(std::string_view name) {
  while (name.size() >= 2 && LowerAscii(name[0]) == 'o' && LowerAscii(name[1]) == 'n')
    name.remove_prefix(2);
  return Text(kRenamedHandler) + Text(name);
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return LowerAscii(c) - 'a' + 10;
}

// One character reference at text[at] == '&': the decoded byte and the length taken, as far
// as it matters for telling an address apart. Non-ASCII results become one high byte.
// Names are taken with or without ';' and in any case: decoding too much only makes the
// check stricter, never looser.
std::optional<std::pair<char, std::size_t>> DecodeReference(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    const std::size_t digits = i;
    long value = 0;
    while (i < text.size() && (hex ? IsHexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9'))) {
      value = value * (hex ? 16 : 10) + (hex ? HexValue(text[i]) : text[i] - '0');
      if (value > 0x10FFFF) value = 0x110000;
      ++i;
    }
    if (i == digits) return std::nullopt;
    if (i < text.size() && text[i] == ';') ++i;
    const char decoded = (value > 0 && value < 0x80) ? static_cast<char>(value) : '\x80';
    return std::make_pair(decoded, i - at);
  }
  static constexpr std::array<std::pair<std::string_view, char>, 9> kNamed = {{{"colon", ':'},
                                                                               {"tab", '\t'},
                                                                               {"newline", '\n'},
                                                                               {"sol", '/'},
                                                                               {"semi", ';'},
                                                                               {"lpar", '('},
                                                                               {"rpar", ')'},
                                                                               {"period", '.'},
                                                                               {"amp", '&'}}};
  for (const auto& [name, decoded] : kNamed) {
    if (!StartsWithNoCase(text, i, name)) continue;
    std::size_t end = i + name.size();
    if (end < text.size() && text[end] == ';') ++end;
    return std::make_pair(decoded, end - at);
  }
  return std::nullopt;
}

// The value as the address parser sees it: tabs and line breaks dropped, letters folded.
Text AddressForm(std::string_view value, bool decode) {
  Text form;
  form.reserve(value.size());
  for (std::size_t i = 0; i < value.size();) {
    char c = value[i];
    std::size_t taken = 1;
    if (decode && c == '&') {
      if (const auto reference = DecodeReference(value, i)) {
        c = reference->first;
        taken = reference->second;
      }
    }
    i += taken;
    if (c == '\t' || c == '\n' || c == '\r') continue;
    form += LowerAscii(c);
  }
  return form;
}

// A data address is harmless only as a picture; an SVG picture may carry script.
bool IsActiveDataAddress(std::string_view form, std::size_t at) {
  const std::string_view address = form.substr(at);
  if (!address.starts_with("data:")) return false;
  return !address.substr(5).starts_with("image/") || address.substr(11).starts_with("svg");
}

// The program's own pseudo-links act as the program when clicked in its pages: from a feed
// they are as active as script. The browser drops the blanks before an address.
bool IsPseudoLinkForm(std::string_view form) {
  std::size_t start = 0;
  while (start < form.size() && static_cast<unsigned char>(form[start]) <= 0x20) ++start;
  return !PseudoLinkForm(form.substr(start)).empty();
}

bool IsActiveForm(std::string_view form) {
  for (std::string_view scheme : {"javascript:", "vbscript:", "livescript:"})
    if (form.find(scheme) != std::string_view::npos) return true;
  if (IsPseudoLinkForm(form)) return true;
  // A data address counts where an address can begin: at the start behind blanks, or behind
  // a separator of the list-valued attributes.
  bool tokenStart = true;
  for (std::size_t i = 0; i < form.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(form[i]);
    if (c <= 0x20 || c == ';' || c == ',') {
      tokenStart = true;
      continue;
    }
    if (tokenStart && c == 'd' && IsActiveDataAddress(form, i)) return true;
    tokenStart = false;
  }
  return false;
}

// Copies text, turning the '<' of every "<script" or "</script" into "&lt;": inside attribute
// values the browser decodes it back to the same value, inside comments nobody sees it.
void AppendDefused(Text& out, std::string_view text) {
  std::size_t copied = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '<') continue;
    const std::size_t name = (i + 1 < text.size() && text[i + 1] == '/') ? i + 2 : i + 1;
    if (!StartsWithNoCase(text, name, "script")) continue;
    out.append(text.substr(copied, i - copied));
    out += "&lt;";
    copied = i + 1;
  }
  out.append(text.substr(copied));
}

struct Edit {
  std::size_t begin;
  std::size_t end;
  Text replacement;
};

class Neutraliser {
 public:
  explicit Neutraliser(std::string_view markup) : in_(markup) { out_.reserve(markup.size() + 4); }

  Text Run() {
    while (position_ < in_.size()) {
      const void* next = std::memchr(in_.data() + position_, '<', in_.size() - position_);
      if (next == nullptr) {
        out_.append(in_.substr(position_));
        break;
      }
      const std::size_t open = static_cast<const char*>(next) - in_.data();
      out_.append(in_.substr(position_, open - position_));
      ScanMarkup(open);
    }
    return std::move(out_);
  }

 private:
  // Reads the markup that begins at in_[open] == '<' the way the browser's tokenizer does and
  // writes it out defused, moving position_ behind it.
  void ScanMarkup(std::size_t open) {
    const char next = open + 1 < in_.size() ? in_[open + 1] : '\0';
    if (IsAsciiAlpha(next)) return ScanTag(open, open + 1);
    if (next == '/') {
      const char after = open + 2 < in_.size() ? in_[open + 2] : '\0';
      if (IsAsciiAlpha(after)) return ScanTag(open, open + 2);
      if (after == '>') return Emit(open, open + 3);
      if (open + 2 < in_.size()) return ScanBogusComment(open, open + 2);
      return EscapeOpener(open);  // "</" at the very end
    }
    if (next == '!') {
      if (StartsWithNoCase(in_, open, "<!--")) return ScanComment(open, open + 4);
      if (std::string_view("<!--").starts_with(in_.substr(open))) return EscapeOpener(open);
      return ScanBogusComment(open, open + 2);
    }
    if (next == '?') return ScanBogusComment(open, open + 1);
    // A '<' that opens nothing is text. At the very end too: the page puts its own markup,
    // which begins with '<', behind every field, and a '<' before a '<' is text.
    out_ += '<';
    position_ = open + 1;
  }

  void EscapeOpener(std::size_t open) {
    out_ += "&lt;";
    position_ = open + 1;
  }

  void Emit(std::size_t begin, std::size_t end) {
    AppendDefused(out_, in_.substr(begin, end - begin));
    position_ = end;
  }

  // Markup that the field leaves open would swallow what the page puts behind it: it is
  // closed here, where the field ends.
  void EmitClosed(std::size_t begin, std::string_view closer) {
    Emit(begin, in_.size());
    out_ += closer;
  }

  // "<!x", "<?x", "</ x" and doctypes end at the first '>', quotes or not.
  void ScanBogusComment(std::size_t open, std::size_t from) {
    const std::size_t close = in_.find('>', from);
    if (close == std::string_view::npos) return EmitClosed(open, ">");
    Emit(open, close + 1);
  }

  // The comment states of the tokenizer: "<!-->" and "<!--->" close at once, otherwise the
  // first "--" run followed by '>' or "!>" closes.
  void ScanComment(std::size_t open, std::size_t from) {
    enum class State { kStart, kStartDash, kBody, kEndDash, kEnd, kEndBang };
    State state = State::kStart;
    for (std::size_t i = from; i < in_.size(); ++i) {
      const char c = in_[i];
      switch (state) {
        case State::kStart:
          if (c == '>') return Emit(open, i + 1);
          state = c == '-' ? State::kStartDash : State::kBody;
          break;
        case State::kStartDash:
          if (c == '>') return Emit(open, i + 1);
          state = c == '-' ? State::kEnd : State::kBody;
          break;
        case State::kBody:
          if (c == '-') state = State::kEndDash;
          break;
        case State::kEndDash:
          state = c == '-' ? State::kEnd : State::kBody;
          break;
        case State::kEnd:
          if (c == '>') return Emit(open, i + 1);
          state = c == '!' ? State::kEndBang : (c == '-' ? State::kEnd : State::kBody);
          break;
        case State::kEndBang:
          if (c == '>') return Emit(open, i + 1);
          state = c == '-' ? State::kEndDash : State::kBody;
          break;
      }
    }
    EmitClosed(open, "-->");  // closes from every comment state
  }

  void ScanTag(std::size_t open, std::size_t nameBegin) {
    // Escaped, the whole tag is text, and what it held is read again as text. The name is
    // judged on its first bytes, so that a run of escaped tags is not read to its end each.
    if (StartsWithNoCase(in_, nameBegin, "script")) return EscapeOpener(open);
    const auto endsName = [&](std::size_t at) {
      return at >= in_.size() || IsMarkupSpace(in_[at]) || in_[at] == '/' || in_[at] == '>';
    };
    std::size_t i = nameBegin;
    while (i < nameBegin + 10 && !endsName(i)) ++i;
    if (endsName(i) && IsBlockedElement(in_.substr(nameBegin, i - nameBegin)))
      return EscapeOpener(open);
    while (!endsName(i)) ++i;
    std::vector<Edit> edits;
    std::string_view closer;  // what the tag lacks when the field ends inside it
    bool textValue = false;   // the value being read belongs to a text attribute
    const auto checkValue = [&](std::size_t begin, std::size_t end) {
      if (!textValue && IsActiveAddress(in_.substr(begin, end - begin)))
        edits.push_back({begin, end, Text(kInertAddress)});
    };
    for (;;) {
      while (i < in_.size() && (IsMarkupSpace(in_[i]) || in_[i] == '/')) ++i;
      if (i >= in_.size() || in_[i] == '>') break;
      const std::size_t attributeName = i;
      if (in_[i] == '=') ++i;  // a leading '=' belongs to the name
      while (i < in_.size() && !IsMarkupSpace(in_[i]) && in_[i] != '/' && in_[i] != '>' &&
             in_[i] != '=')
        ++i;
      const std::string_view name = in_.substr(attributeName, i - attributeName);
      if (IsEventHandler(name)) edits.push_back({attributeName, i, RenamedHandler(name)});
      textValue = IsTextAttribute(name);
      while (i < in_.size() && IsMarkupSpace(in_[i])) ++i;
      if (i >= in_.size() || in_[i] != '=') continue;
      ++i;
      while (i < in_.size() && IsMarkupSpace(in_[i])) ++i;
      if (i >= in_.size() || in_[i] == '>') break;
      if (in_[i] == '"' || in_[i] == '\'') {
        const char quote = in_[i];
        const std::size_t close = in_.find(quote, i + 1);
        if (close == std::string_view::npos) {
          checkValue(i + 1, in_.size());
          closer = quote == '"' ? "\">" : "'>";
          i = in_.size();
          break;
        }
        checkValue(i + 1, close);
        i = close + 1;
      } else {
        const std::size_t valueBegin = i;
        while (i < in_.size() && !IsMarkupSpace(in_[i]) && in_[i] != '>') ++i;
        checkValue(valueBegin, i);
      }
    }
    if (i >= in_.size() && closer.empty()) closer = ">";
    const std::size_t end = closer.empty() ? i + 1 : in_.size();  // i is at the closing '>'
    // Edited as a whole before defusing: a renamed name may end in '<' and join the bytes
    // behind it into a "</script".
    Text tag;
    std::size_t copied = open;
    for (const Edit& edit : edits) {
      tag.append(in_.substr(copied, edit.begin - copied));
      tag += edit.replacement;
      copied = edit.end;
    }
    tag.append(in_.substr(copied, end - copied));
    tag += closer;
    AppendDefused(out_, tag);
    position_ = end;
  }

  std::string_view in_;
  Text out_;
  std::size_t position_ = 0;
};

}  // namespace

Text NeutraliseActiveMarkup(std::string_view markup) {
  if (markup.find('<') == std::string_view::npos) return Text(markup);
  return Neutraliser(markup).Run();
}

bool IsActiveAddress(std::string_view value) {
  // The raw form guards against a reference decoded here that the browser would leave alone.
  return IsActiveForm(AddressForm(value, true)) || IsActiveForm(AddressForm(value, false));
}

Text NeutraliseLinkAddress(std::string_view address) {
  if (IsActiveAddress(address)) return Text(kInertAddress);
  Text link;
  link.reserve(address.size());
  for (const char c : address) {
    if (c == '\'')
      link += "%27";
    else
      link += c;
  }
  return link;
}

}  // namespace orvanta
