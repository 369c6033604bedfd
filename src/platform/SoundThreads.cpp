#include "platform/SoundThreads.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <memory>

namespace sorn {

namespace {

// A stalled step must not hold up the next one, so there is no real limit.
struct SoundPool : QThreadPool {
    SoundPool() { setMaxThreadCount(64); }
};

QThreadPool& Pool() {
    // Destroyed after main returns, which waits for the steps still running.
    static SoundPool pool;
    return pool;
}

} // namespace

void StartOffThread(QObject* context, std::function<void()> step, std::function<void()> done) {
    auto promise = std::make_shared<QPromise<void>>();
    // A child of context: when context goes, done goes with it, uncalled.
    auto* watcher = new QFutureWatcher<void>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, done = std::move(done)] {
                         watcher->deleteLater();
                         done();
                     });
    promise->start();
    watcher->setFuture(promise->future());
    Pool().start([promise, step = std::move(step)]() mutable {
        step();
        // What the step holds is let go of before the others are told.
        step = nullptr;
        promise->finish();
    });
}

void WaitForSoundThreads() {
    Pool().waitForDone();
}

} // namespace sorn
