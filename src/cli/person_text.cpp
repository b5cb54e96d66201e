#include "cli/person_text.h"

#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <type_traits>

#include "text/code_page.h"

namespace orvanta::cli {
namespace {

// Asked of a locale object of its own: the program's global locale stays "C", so that no
// byte test of the parsers changes with the user's language.
std::string LocaleEncodingName() {
  const auto freeLocale = [](locale_t locale) { freelocale(locale); };
  const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(freeLocale)> locale(
      newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0)), freeLocale);
  // A locale the system does not have leaves a program in "C", as setlocale would.
  if (!locale) return nl_langinfo(CODESET);
  return nl_langinfo_l(CODESET, locale.get());
}

}  // namespace

bool IsTerminal(int descriptor) { return isatty(descriptor) == 1; }

Text InLocaleEncoding(const Text& text) {
  return LocalToEncoding(text, LocaleEncodingName().c_str()).value_or(text);
}

Text ForReader(int descriptor, const Text& text) {
  return IsTerminal(descriptor) ? InLocaleEncoding(text) : text;
}

}  // namespace orvanta::cli
