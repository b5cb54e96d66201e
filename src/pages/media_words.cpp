#include "pages/media_words.h"

#include <array>
#include <vector>

#include "text/character_boundary.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

constexpr std::array kMediaWordsUtf8{
    "电视", "电影", "综艺", "资讯", "音乐", "动漫", "全部", "纪录", "体育",   "汽车", "科技",
    "财经", "娱乐", "原创", "游戏", "搞笑", "生活", "时尚", "旅游", "教育",   "趣图", "推荐",
    "精品", "明星", "壁纸", "表情", "风光", "美女", "头像", "写真", "酷图",   "大全", "热门",
    "名车", "鉴赏", "军事", "风景", "名胜", "饮品", "世界", "摄影", "儿童",   "中国", "精彩",
    "人物", "航空", "主流", "手机", "情侣", "狙击", "步枪", "自拍", "另类",   "真人", "小孩",
    "女郎", "水果", "可爱", "宠物", "宝贝", "昆虫", "清新", "女孩", "女生",   "精致", "超级",
    "名模", "校园", "校花", "恶搞", "高手", "奇异", "自然", "镜头", "排行榜", "歌手", "专辑",
    "首发", "专题", "经典", "影视", "金曲", "舞曲", "对唱", "心情", "风情",   "网络", "民谣",
    "少儿", "歌曲", "相声", "小品", "民歌", "摇滚", "爵士", "嘻哈", "乡村",   "古典",
};

// Words by their first two bytes: every media word starts with a double-byte character.
class WordIndex {
 public:
  WordIndex() : byFirstCharacter_(1u << 16) {
    for (const Text& word : MediaWords()) byFirstCharacter_[Key(word[0], word[1])].push_back(&word);
  }

  // True when a word other than except begins at position.
  bool StartsWordAt(std::string_view text, std::size_t position,
                    const Text* except = nullptr) const {
    if (position + 1 >= text.size()) return false;
    for (const Text* word : byFirstCharacter_[Key(text[position], text[position + 1])])
      if (word != except && text.compare(position, word->size(), *word) == 0) return true;
    return false;
  }

  const Text* WordAtStart(std::string_view text) const {
    if (text.size() < 2) return nullptr;
    for (const Text* word : byFirstCharacter_[Key(text[0], text[1])])
      if (text.compare(0, word->size(), *word) == 0) return word;
    return nullptr;
  }

 private:
  static std::size_t Key(char first, char second) {
    return (static_cast<std::size_t>(static_cast<unsigned char>(first)) << 8) |
           static_cast<unsigned char>(second);
  }

  std::vector<std::vector<const Text*>> byFirstCharacter_;
};

}  // namespace

const TextArray& MediaWords() {
  static const TextArray words = [] {
    TextArray converted;
    for (const char* word : kMediaWordsUtf8) converted.push_back(Gbk(word));
    return converted;
  }();
  return words;
}

bool CarriesMediaWord(std::string_view text) {
  static const WordIndex index;
  // A word counts when its first occurrence lies beyond position 0, so a word that opens
  // the text does not count at all. No media word is a prefix of another, so at most one
  // word opens the text.
  const Text* opening = index.WordAtStart(text);
  // Matches begin on character boundaries only, as a find has them; stepping character by
  // character visits exactly those.
  const BoundaryCursor cursor(text);
  std::size_t position = 0;
  while (position < text.size()) {
    if (position > 0 && index.StartsWordAt(text, position, opening)) return true;
    position += cursor.CharacterLength(position);
  }
  return false;
}

}  // namespace orvanta
