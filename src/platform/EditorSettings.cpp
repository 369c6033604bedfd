#include "platform/EditorSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace sorn {

namespace {

// Where this run's settings go when the user's file must be left alone.
QString StandInPath() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("sorn-editor.conf"));
}

} // namespace

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/sorn-editor/sorn-editor.conf");
}

QString SettingsFileProblem() {
    const QString path = SettingsFilePath();
    // QSettings also reads the lock it writes beside the file.
    for (const QString& name : {path, path + QStringLiteral(".lock")}) {
        const QByteArray native = QFile::encodeName(name);
        struct stat link {};
        if (::lstat(native.constData(), &link) != 0) continue; // made at the first write
        // stat looks at a FIFO without opening it; a link counts as what it
        // points to, and a dangling one would be written through.
        struct stat target {};
        if (::stat(native.constData(), &target) != 0 || !S_ISREG(target.st_mode))
            return QCoreApplication::translate("sorn::EditorSettings", kSettingsFileRefused)
                .arg(name);
    }
    return {};
}

EditorSettings::EditorSettings()
    : QSettings(SettingsFileProblem().isEmpty() ? SettingsFilePath() : StandInPath(),
                QSettings::IniFormat) {}

} // namespace sorn
