#include "platform/BackgroundWork.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <memory>

namespace sorn {

namespace {
// Often enough to look smooth, rarely enough to cost the work nothing.
constexpr int kProgressIntervalMs = 40;
int gRunning = 0;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
} // namespace

BackgroundWork::BackgroundWork(QProgressBar* bar) : bar_(bar) {}

BackgroundWork::~BackgroundWork() = default;

bool BackgroundWork::Busy() {
    return gRunning > 0;
}

void BackgroundWork::Run(const std::function<void(ProgressSink&)>& work) {
    cancelled_.store(false);
    maximum_.store(1);
    value_.store(0);
    ShowProgress();
    std::unique_ptr<QThread> thread(QThread::create([this, &work] { work(*this); }));
    QEventLoop loop;
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer progress;
    connect(&progress, &QTimer::timeout, this, &BackgroundWork::ShowProgress);
    progress.start(kProgressIntervalMs);
    qApp->installEventFilter(this);
    if (bar_)
        bar_->setToolTip(
            QCoreApplication::translate("sorn::BackgroundWork", "Esc キーで中止します"));
    ++gRunning;
    thread->start();
    loop.exec();
    thread->wait();
    --gRunning;
    qApp->removeEventFilter(this);
    if (bar_) bar_->setToolTip(QString());
    // A bar that only showed the work going on stops moving.
    if (maximum_.load() == 0) maximum_.store(1);
    ShowProgress();
}

void BackgroundWork::ShowProgress() {
    if (!bar_) return;
    // Work that cannot count its steps sets no maximum: the bar moves to and fro.
    bar_->setMaximum(std::max(maximum_.load(), 0));
    bar_->setValue(std::clamp(value_.load(), 0, bar_->maximum()));
}

bool BackgroundWork::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type())) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Close) {
        Cancel();
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Cancel();
    }
    return true;
}

} // namespace sorn
