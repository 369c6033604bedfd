#pragma once
// Asking the desktop to open a document with its associated program.

#include <string>

namespace sorn {

class Shell {
public:
    virtual ~Shell() = default;
    // False when no program could be started for it (none installed), so
    // the caller can tell the user where the file is.
    virtual bool Open(const std::string& path) = 0;
};

} // namespace sorn
