#include "platform/QtShell.h"

#include <QElapsedTimer>
#include <QProcess>

namespace sorn {

namespace {
// The launcher returns at once when the desktop hands the file on; without
// a desktop it runs the program itself and returns only when that closes.
// By then the file has been shown, and how the program ended says nothing
// about opening it.
constexpr qint64 kLauncherAnswersWithinMs = 10000;
} // namespace

// The launcher belongs to reports_: should the editor quit first, only the
// launcher ends, not a program it started, and no report runs.
void QtShell::Open(const std::string& path, std::function<void()> failed) {
    auto* launcher = new QProcess(&reports_);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(launcher, &QProcess::finished, &reports_,
                     [launcher, failed, clock](int exitCode, QProcess::ExitStatus status) {
                         if ((exitCode != 0 || status != QProcess::NormalExit) &&
                             !clock.hasExpired(kLauncherAnswersWithinMs))
                             failed();
                         launcher->deleteLater();
                     });
    QObject::connect(launcher, &QProcess::errorOccurred, &reports_,
                     [launcher, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         failed();
                         launcher->deleteLater();
                     });
    launcher->setProcessChannelMode(QProcess::ForwardedChannels);
    launcher->setStandardInputFile(QProcess::nullDevice());
    launcher->start(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
}

} // namespace sorn
