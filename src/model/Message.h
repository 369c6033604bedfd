#pragma once
// A text for the user as data: which sentence (its context and Japanese
// source, with Qt-style %1 %2 placeholders) and what fills it in. The core
// says what happened; the window and the batch choose the language.

#include "model/Language.h"

#include <concepts>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text for the translation tools and expands to the text itself.
#define SORN_TRANSLATE_NOOP(context, text) text

namespace sorn {

class Message {
public:
    // No message: success, or nothing to say.
    Message() = default;

    // context and source must outlive the message (string literals do).
    template <typename... Args>
    Message(const char* context, const char* source, Args&&... args)
        : kind_(Kind::Translated), context_(context), source_(source) {
        Add(std::forward<Args>(args)...);
    }

    // A text shown as it is: a file name, a system's own words.
    static Message Verbatim(std::string text) {
        Message m;
        m.kind_ = Kind::Verbatim;
        m.own_ = std::move(text);
        return m;
    }

    // Placeholders filled in, the pattern itself not translated: "1003%1".
    template <typename... Args> static Message Untranslated(std::string pattern, Args&&... args) {
        Message m;
        m.kind_ = Kind::Untranslated;
        m.own_ = std::move(pattern);
        m.Add(std::forward<Args>(args)...);
        return m;
    }

    bool Empty() const { return kind_ == Kind::Empty; }
    explicit operator bool() const { return !Empty(); }

    // Empty unless the message is translated.
    std::string_view Context() const { return context_ ? context_ : ""; }
    // The Japanese template, or the untranslated text.
    std::string_view Source() const { return source_ ? std::string_view(source_) : own_; }
    bool Translated() const { return kind_ == Kind::Translated; }
    bool FillsIn() const { return kind_ != Kind::Verbatim; }
    const std::vector<Message>& Args() const { return args_; }

private:
    enum class Kind { Empty, Translated, Untranslated, Verbatim };

    template <typename... Args> void Add(Args&&... args) {
        args_.reserve(sizeof...(args));
        (args_.push_back(Arg(std::forward<Args>(args))), ...);
    }
    static Message Arg(Message m) { return m; }
    static Message Arg(std::string text) { return Verbatim(std::move(text)); }
    static Message Arg(std::string_view text) { return Verbatim(std::string(text)); }
    static Message Arg(const char* text) { return Verbatim(text); }
    template <std::integral N> static Message Arg(N n) { return Verbatim(std::to_string(n)); }

    Kind kind_ = Kind::Empty;
    const char* context_ = nullptr;
    const char* source_ = nullptr;
    std::string own_;
    std::vector<Message> args_;
};

// A message of the core's own context.
template <typename... Args> Message CoreMessage(const char* source, Args&&... args) {
    return Message("Core", source, std::forward<Args>(args)...);
}

// Looks up the template for (context, Japanese source) in the chosen language.
using MessageLookup = std::function<std::string(std::string_view context, std::string_view source)>;

// Fills in the placeholders, the arguments' own messages turned into text the
// same way. A placeholder without an argument stays as it is.
std::string FormatMessage(const Message& message, const MessageLookup& lookup);

// The text in language: Japanese is the source itself; English comes from the
// built-in catalog, falling back to the Japanese where an entry is missing.
std::string Text(const Message& message, Language language);

// The English of (context, Japanese source) in the built-in catalog; nullptr
// when there is none. The catalog is made at build time from the translation.
const char* CatalogEnglish(std::string_view context, std::string_view source);

} // namespace sorn
