#pragma once
// Message boxes as the core asks for them. The editor shows real ones titled
// "SORN楽譜エディタ"; batch mode prints the text to stderr; tests script them.

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
};

} // namespace sorn
