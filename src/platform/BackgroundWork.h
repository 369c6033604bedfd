#pragma once
// Long work (an export, printing) on a thread of its own while the window
// keeps painting. Until it ends the user cannot change anything: input is
// held back, Escape (or closing a window) cancels, and a progress bar, if
// given, follows the work's progress; a maximum of 0 shows work that cannot
// count its steps.

#include "model/ProgressSink.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

class QProgressBar;

namespace sorn {

class BackgroundWork : public QObject, public ProgressSink {
public:
    explicit BackgroundWork(QProgressBar* bar = nullptr);
    ~BackgroundWork() override;

    // Runs work on another thread and returns when it has ended; events of
    // the window are handled meanwhile. Not re-entrant.
    void Run(const std::function<void(ProgressSink&)>& work);
    // True while some BackgroundWork runs in this program.
    static bool Busy();

    void SetMaximum(int maximum) override { maximum_.store(maximum); }
    void SetValue(int value) override { value_.store(value); }
    bool Cancelled() const override { return cancelled_.load(); }
    void Cancel() { cancelled_.store(true); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowProgress();

    QPointer<QProgressBar> bar_;
    std::atomic<int> maximum_{1};
    std::atomic<int> value_{0};
    std::atomic<bool> cancelled_{false};
};

} // namespace sorn
