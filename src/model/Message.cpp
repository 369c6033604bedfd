#include "model/Message.h"

#include <atomic>
#include <cstdlib>

namespace sorn {

std::string FormatMessage(const Message& message, const MessageLookup& lookup) {
    if (!message.FillsIn()) return std::string(message.Source());
    const std::string pattern = message.Translated() ? lookup(message.Context(), message.Source())
                                                     : std::string(message.Source());
    const std::vector<Message>& args = message.Args();
    std::string text;
    text.reserve(pattern.size());
    // One pass, so a "%1" inside an argument (a file name) is never filled in.
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                text += FormatMessage(args[n], lookup);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::string Text(const Message& message, Language language) {
    return FormatMessage(message, [language](std::string_view context, std::string_view source) {
        if (language == Language::English)
            if (const char* english = CatalogEnglish(context, source)) return std::string(english);
        return std::string(source);
    });
}

Language LanguageFromLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX" || name.starts_with("ja"))
        return Language::Japanese;
    return Language::English;
}

Language LanguageFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return LanguageFromLocale(value);
    }
    return Language::Japanese;
}

namespace {
std::atomic<Language> drawnLanguage{Language::Japanese};
} // namespace

void SetDrawnLanguage(Language language) {
    drawnLanguage = language;
}

Language DrawnLanguage() {
    return drawnLanguage;
}

bool ParseLanguage(std::string_view name, Language& language) {
    if (name == "ja")
        language = Language::Japanese;
    else if (name == "en")
        language = Language::English;
    else
        return false;
    return true;
}

} // namespace sorn
