#include "platform/QtFileDialogs.h"

#include "platform/EditorSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace sorn {

namespace {
// "楽譜ファイル|*.sorn" becomes "楽譜ファイル (*.sorn)"; further pairs
// ("…|*.sorn|MusicXML|*.musicxml;*.mxl") become further filters.
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    if (parts.size() < 2) return parts.value(0);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')';
    return filters.join(QStringLiteral(";;"));
}

// The first extension a filter names: "FLACファイル (*.flac)" gives "flac".
QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([A-Za-z0-9]+))"));
    return pattern.match(filter).captured(1);
}
} // namespace

// A user without a Documents folder starts in the home folder, not wherever
// the program happened to be started.
std::string DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return (QDir(documents).exists() ? documents : QDir::homePath()).toStdString();
}

namespace {
// Each kind of file (by its extension) remembers the folder it was last
// opened from or saved to.
QString LastFolderKey(const FileDialogRequest& request) {
    return QStringLiteral("lastFolder/") + QString::fromStdString(request.defaultExtension);
}
} // namespace

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogRequest& request) {
    return Run(request, false);
}

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogRequest& request) {
    return Run(request, true);
}

// Starts where files of the request's kind were last saved, and is
// remembered as that place: the files go into the folder chosen.
std::optional<std::string> QtFileDialogs::ChooseFolder(const FileDialogRequest& request) {
    QFileDialog dialog(parent_,
                       !request.title.empty()
                           ? QString::fromStdString(request.title)
                           : QCoreApplication::translate("sorn::QtFileDialogs", "フォルダの選択"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (const QString last = EditorSettings().value(LastFolderKey(request)).toString();
        !last.isEmpty() && QDir(last).exists())
        dialog.setDirectory(last);
    else if (!request.initialFolder.empty())
        dialog.setDirectory(QString::fromStdString(request.initialFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    EditorSettings().setValue(LastFolderKey(request), QFileInfo(chosen).absoluteFilePath());
    return chosen.toStdString();
}

std::optional<std::string> QtFileDialogs::Run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(
        parent_, !request.title.empty() ? QString::fromStdString(request.title)
                 : save ? QCoreApplication::translate("sorn::QtFileDialogs", "名前を付けて保存")
                        : QCoreApplication::translate("sorn::QtFileDialogs", "開く"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // The filter of the proposed extension is the one shown; choosing another
    // filter gives a bare name that filter's extension, not the first one's.
    for (const QString& filter : dialog.nameFilters())
        if (FilterExtension(filter) == dialog.defaultSuffix()) {
            dialog.selectNameFilter(filter);
            break;
        }
    if (save)
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                if (const QString extension = FilterExtension(filter); !extension.isEmpty())
                    dialog.setDefaultSuffix(extension);
            });
    const QString preset = QString::fromStdString(request.presetName);
    if (!preset.isEmpty()) {
        const QFileInfo info(preset);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    } else if (const QString last = EditorSettings().value(LastFolderKey(request)).toString();
               !last.isEmpty() && QDir(last).exists()) {
        dialog.setDirectory(last);
    } else if (!request.initialFolder.empty()) {
        dialog.setDirectory(QString::fromStdString(request.initialFolder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    EditorSettings().setValue(LastFolderKey(request), QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

} // namespace sorn
