#include "app/RecentFiles.h"

#include "model/MessageBoxes.h"
#include "platform/EditorSettings.h"
#include <QCoreApplication>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace sorn {

namespace {

const QString kKey = QStringLiteral("recentFiles");

// The same file reached by another spelling ("a/../b.sorn") is one entry.
QString Canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList WithRecentFile(QStringList list, const QString& path) {
    const QString entry = Canonical(path);
    list.removeAll(entry);
    list.prepend(entry);
    while (list.size() > kRecentFilesLimit)
        list.removeLast();
    return list;
}

QStringList RecentFiles() {
    return EditorSettings().value(kKey).toStringList();
}

void AddRecentFile(const QString& path) {
    EditorSettings().setValue(kKey, WithRecentFile(RecentFiles(), path));
}

RecentFilesMenu::RecentFilesMenu(QMenu* menu, MessageBoxes& boxes,
                                 std::function<void(const QString&)> open)
    : QObject(menu), menu_(menu), boxes_(boxes), open_(std::move(open)) {
    connect(menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::Rebuild);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    menu_->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        // Numbered for the keyboard, as file menus usually are; 10 takes 0.
        const QString caption =
            QStringLiteral("&%1 %2")
                .arg((i + 1) % 10)
                .arg(QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&")));
        QAction* action = menu_->addAction(caption);
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { Choose(path); });
    }
    menu_->setToolTipsVisible(true);
    menu_->menuAction()->setEnabled(!files.isEmpty());
}

void RecentFilesMenu::Choose(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        EditorSettings settings;
        QStringList files = settings.value(kKey).toStringList();
        files.removeAll(path);
        settings.setValue(kKey, files);
        boxes_.Show(QCoreApplication::translate(
                        "sorn::RecentFiles",
                        "ファイルが見つかりません。最近使ったファイルの一覧から外します。\n%1")
                        .arg(path)
                        .toStdString(),
                    MsgButtons::Ok, MsgIcon::Warning);
        Rebuild();
        return;
    }
    open_(path);
}

} // namespace sorn
