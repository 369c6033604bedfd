#pragma once
// Asking the desktop to open a document with its associated program.

#include <functional>
#include <string>

namespace sorn {

class Shell {
public:
    virtual ~Shell() = default;
    // `failed` runs, later and on the window's thread, when no program
    // opened the file (none installed), so the caller can tell the user
    // where the file is. It must not rely on a window that may have closed.
    virtual void Open(const std::string& path, std::function<void()> failed) = 0;
};

} // namespace sorn
