#include "app/WindowSettings.h"

#include "platform/EditorSettings.h"

#include <QWidget>

namespace sorn {

namespace {
const QString kGeometry = QStringLiteral("window/geometry");
}

void RestoreWindowPlacement(QWidget& window) {
    const QByteArray geometry = EditorSettings().value(kGeometry).toByteArray();
    // Qt keeps a window saved on a screen that has gone inside the screens there are.
    if (!geometry.isEmpty()) window.restoreGeometry(geometry);
}

void RememberWindowPlacement(const QWidget& window) {
    EditorSettings().setValue(kGeometry, window.saveGeometry());
}

} // namespace sorn
