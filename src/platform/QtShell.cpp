#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace sorn {

bool QtShell::Open(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace sorn
