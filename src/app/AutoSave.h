#pragma once
// Recovery copies of unsaved work. While the score has changes that are not
// saved, a copy is written once the user has been idle for the interval,
// beside a small note with the name of the score's own file, the time and
// the copy's length and checksum.
// The copy is locked by the running editor, so a second editor never takes
// it; the lock of an editor that died goes stale and the copy is offered at
// the next start (Recovery.h).

#include "app/EditorState.h"
#include "app/RecoveryFiles.h"
#include "model/SornData.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QTimer;

namespace sorn {

// The files of one copy, named by their common base path.
inline QString RecoveryScore(const QString& base) {
    return base + QStringLiteral(".sorn");
}
inline QString RecoveryNote(const QString& base) {
    return base + QStringLiteral(".json");
}
inline QString RecoveryLock(const QString& base) {
    return base + QStringLiteral(".lock");
}

// Seconds of changed-and-idle time before a copy is written; 0 turns copies off.
inline constexpr int kDefaultAutoSaveSeconds = 60;
int AutoSaveSeconds();

class AutoSave : public QObject {
public:
    AutoSave(const SornData& doc, const EditorState& state, QObject* parent);
    // An orderly end of the editor leaves no copy behind.
    ~AutoSave() override;

    // The score was saved, replaced or closed: its copy has no use any more.
    void Discard();
    // Continues a restored copy under its old name and lock.
    void Adopt(const QString& base, std::unique_ptr<QLockFile> lock);
    // Writes the copy now; false when it could not be written.
    bool Write();
    QString Base() const { return base_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tick();
    bool Lock();

    const SornData& doc_;
    const EditorState& state_;
    qint64 intervalMs_;
    QTimer* tick_ = nullptr;
    QElapsedTimer clock_;
    qint64 lastInput_ = 0;
    qint64 lastWrite_ = -1;    // -1: nothing written since the last Discard
    qint64 pendingSince_ = -1; // when unsaved changes were first seen without a copy
    qint64 retryAt_ = 0;       // after a failed copy, not before this
    QString base_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace sorn
