#pragma once
// The language of the program's own texts.

#include <string_view>

namespace sorn {

enum class Language { Japanese, English };

// From a locale name such as "ja_JP.UTF-8": Japanese for Japanese and for the
// C locale (unset, empty, "C", "POSIX", "C.UTF-8"), English for any other.
Language LanguageFromLocale(std::string_view locale);

// The locale that decides messages: LC_ALL, else LC_MESSAGES, else LANG, the
// first one set and not empty.
Language LanguageFromEnvironment();

// The language of the words the core draws itself (an unnamed part's
// instrument): set once at start by the window or the batch, Japanese until then.
void SetDrawnLanguage(Language language);
Language DrawnLanguage();

// "en" or "ja", as --lang takes them; nothing else.
bool ParseLanguage(std::string_view name, Language& language);

} // namespace sorn
