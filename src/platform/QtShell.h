#pragma once

#include "platform/Shell.h"

#include <QObject>

namespace sorn {

// Opens a local file through xdg-open, which tells by its exit status
// whether a program took the file; the window keeps running meanwhile.
class QtShell : public Shell {
public:
    void Open(const std::string& path, std::function<void()> failed) override;

private:
    // Receives the launcher's ending; once the shell is gone no report runs.
    QObject reports_;
};

} // namespace sorn
