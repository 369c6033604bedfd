#pragma once
// ファイル → 最近使ったファイル: the scores opened or saved last, newest first.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace sorn {

class MessageBoxes;

inline constexpr int kRecentFilesLimit = 10;

// The list with path put first: an older entry of the same file goes, and
// the oldest fall off past the limit.
QStringList WithRecentFile(QStringList list, const QString& path);

// The list kept in the settings.
QStringList RecentFiles();
void AddRecentFile(const QString& path);

// Fills its menu from the settings each time it opens. Choosing an entry
// whose file has gone takes it off the list with a message; any other
// entry is handed to open.
class RecentFilesMenu : public QObject {
public:
    RecentFilesMenu(QMenu* menu, MessageBoxes& boxes, std::function<void(const QString&)> open);

    void Rebuild();
    void Choose(const QString& path);

private:
    QMenu* menu_;
    MessageBoxes& boxes_;
    std::function<void(const QString&)> open_;
};

} // namespace sorn
