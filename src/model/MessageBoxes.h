#pragma once
// Message boxes as the core asks for them. The editor shows real ones titled
// "SORN楽譜エディタ"; batch mode prints the text to stderr; tests script them.

#include "model/Message.h"

#include <string_view>

namespace sorn {

enum class MsgButtons { Ok, YesNoCancel };
enum class MsgIcon { None, Question, Warning };
enum class MsgResult { Ok, Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // text is UTF-8; "\n" separates lines.
    virtual MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon icon) = 0;
    // A core message in the language of whoever shows it; Japanese unless
    // overridden.
    virtual MsgResult ShowMessage(const Message& message, MsgButtons buttons, MsgIcon icon) {
        return Show(Text(message, Language::Japanese), buttons, icon);
    }
};

} // namespace sorn
