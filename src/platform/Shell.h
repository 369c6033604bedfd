#pragma once
// Asking the desktop to open a document with its associated program.

#include <string>

namespace sorn {

class Shell {
public:
    virtual ~Shell() = default;
    // The desktop's answer is not the editor's business; nothing is reported.
    virtual void Open(const std::string& path) = 0;
};

} // namespace sorn
