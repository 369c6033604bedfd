#pragma once

#include "platform/Shell.h"

namespace sorn {

// Opens a local file in the desktop's associated program.
class QtShell : public Shell {
public:
    bool Open(const std::string& path) override;
};

} // namespace sorn
