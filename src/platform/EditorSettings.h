#pragma once
// The choices the editor remembers between runs, in the user's configuration
// folder (tests put it in a test folder through QStandardPaths' test mode).

#include <QSettings>
#include <memory>

namespace sorn {

inline std::unique_ptr<QSettings> EditorSettings() {
    return std::make_unique<QSettings>(QStringLiteral("sorn"), QStringLiteral("sorn-editor"));
}

} // namespace sorn
