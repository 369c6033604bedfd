#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace sorn {

void QtShell::Open(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace sorn
