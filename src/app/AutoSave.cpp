#include "app/AutoSave.h"

#include "platform/EditorSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QLockFile>
#include <QTimer>
#include <algorithm>

namespace sorn {

namespace {

// Idle time would never come to someone who types without pause; a copy
// is written at the latest after this many intervals of unsaved changes.
constexpr qint64 kLongestWaitIntervals = 5;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

int AutoSaveSeconds() {
    bool ok = false;
    const int seconds =
        EditorSettings()
            .value(QStringLiteral("autosave/intervalSeconds"), kDefaultAutoSaveSeconds)
            .toInt(&ok);
    return ok ? std::max(seconds, 0) : kDefaultAutoSaveSeconds;
}

AutoSave::AutoSave(const SornData& doc, const EditorState& state, QObject* parent)
    : QObject(parent), doc_(doc), state_(state), intervalMs_(AutoSaveSeconds() * qint64{1000}) {
    clock_.start();
    const QString folder = RecoveryFolder();
    if (folder.isEmpty()) return; // no copies where they would not be the user's own
    // Unique among editors (the process) and among windows of one process.
    static int serial = 0;
    base_ = folder + QStringLiteral("/%1-%2-%3")
                         .arg(QCoreApplication::applicationPid())
                         .arg(QDateTime::currentMSecsSinceEpoch())
                         .arg(++serial);
    if (intervalMs_ == 0) return;
    qApp->installEventFilter(this);
    tick_ = new QTimer(this);
    connect(tick_, &QTimer::timeout, this, &AutoSave::Tick);
    tick_->start(static_cast<int>(std::clamp<qint64>(intervalMs_ / 4, 50, 1000)));
}

AutoSave::~AutoSave() {
    Discard();
}

bool AutoSave::eventFilter(QObject*, QEvent* event) {
    if (IsUserInput(event->type())) lastInput_ = clock_.elapsed();
    return false;
}

void AutoSave::Tick() {
    if (!state_.ScoreModified || !doc_.HasParts()) {
        pendingSince_ = -1;
        return;
    }
    // Nothing has happened since the last copy.
    if (lastWrite_ >= 0 && lastInput_ <= lastWrite_) return;
    const qint64 now = clock_.elapsed();
    if (now < retryAt_) return;
    if (pendingSince_ < 0) pendingSince_ = now;
    const bool idle = now - lastInput_ >= intervalMs_;
    const bool waitedLongest = now - pendingSince_ >= kLongestWaitIntervals * intervalMs_;
    if (idle || waitedLongest) Write();
}

bool AutoSave::Lock() {
    if (lock_ && lock_->isLocked()) return true;
    if (base_.isEmpty()) return false;
    // Whatever else has the lock's name is left alone: a FIFO would hang
    // the lock's reading of it.
    if (const std::error_code planted = CheckOwnFile(RecoveryLock(base_));
        planted != std::errc::no_such_file_or_directory)
        return false;
    lock_ = std::make_unique<QLockFile>(RecoveryLock(base_));
    lock_->setStaleLockTime(0); // stale only when its editor has gone, never by age
    return lock_->tryLock(0);
}

bool AutoSave::Write() {
    const qint64 now = clock_.elapsed();
    // A failed copy (a full disk, a folder without permission) is tried
    // again an interval later; the user's own saves report their failures,
    // a background copy does not interrupt typing.
    if (!Lock() || WriteCopy(doc_, RecoveryScore(base_), RecoveryNote(base_))) {
        retryAt_ = now + intervalMs_;
        return false;
    }
    lastWrite_ = now;
    pendingSince_ = -1;
    return true;
}

void AutoSave::Discard() {
    lastWrite_ = -1;
    pendingSince_ = -1;
    if (!lock_ || !lock_->isLocked()) return;
    QFile::remove(RecoveryScore(base_));
    QFile::remove(RecoveryNote(base_));
}

void AutoSave::Adopt(const QString& base, std::unique_ptr<QLockFile> lock) {
    Discard();
    lock_.reset();
    base_ = base;
    lock_ = std::move(lock);
}

} // namespace sorn
