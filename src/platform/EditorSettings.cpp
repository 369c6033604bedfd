#include "platform/EditorSettings.h"

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
    const QByteArray path = QFile::encodeName(SettingsFilePath());
    struct stat link {};
    if (::lstat(path.constData(), &link) != 0) return {}; // made at the first write
    // stat looks at a FIFO without opening it; a link counts as what it points to,
    // and a dangling one would be written through.
    struct stat target {};
    if (::stat(path.constData(), &target) == 0 && S_ISREG(target.st_mode)) return {};
    return QString::fromUtf8(kSettingsFileRefused).arg(SettingsFilePath());
}

EditorSettings::EditorSettings()
    : QSettings(SettingsFileProblem().isEmpty() ? SettingsFilePath() : StandInPath(),
                QSettings::IniFormat) {}

} // namespace sorn
