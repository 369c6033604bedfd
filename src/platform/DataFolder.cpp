#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sorn {

std::string WritableDataFile(const std::string& appPath, const std::string& name) {
    const QFileInfo folder(QString::fromStdString(appPath));
    if (folder.isDir() && folder.isWritable()) return appPath + name;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return (data + u'/' + QString::fromStdString(name)).toStdString();
}

} // namespace sorn
