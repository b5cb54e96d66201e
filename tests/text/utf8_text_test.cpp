// The engine's and the widgets' UTF-8 and the program's code-page-936 texts are both bytes in
// a std::string; the type exists so that neither passes for the other without a word.
#include "text/utf8_text.h"

#include <string>
#include <type_traits>

#include "text/text.h"

namespace orvanta {
namespace {

static_assert(!std::is_convertible_v<Text, Utf8Text>, "a GBK text is no UTF-8 text");
static_assert(!std::is_convertible_v<Utf8Text, Text>, "nor the other way round");
static_assert(!std::is_convertible_v<const char*, Utf8Text>, "a literal says what it is");
static_assert(std::is_constructible_v<Utf8Text, std::string>, "the edge says it in words");

}  // namespace
}  // namespace orvanta
