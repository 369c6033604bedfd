// Starts the editor, or runs one batch command when the arguments ask for it.

#include "app/Batch.h"
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Language.h"
#include "app/PanelBar.h"
#include "platform/ProgramData.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <iostream>

namespace {
class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
        return false;
    }
};
} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (sorn::IsBatchCommandLine(args)) return sorn::RunBatch(args, std::cout, std::cerr);

    QApplication app(argc, argv);
    sorn::InstallTranslators(QString::fromStdString(
        sorn::ProgramDataFolder(QCoreApplication::applicationDirPath().toStdString())));
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    // The installed theme icon when there is one, else the copy built in.
    QIcon ownIcon;
    for (QDirIterator it(QStringLiteral(":/icons/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        ownIcon.addFile(it.next());
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sorn-editor"), ownIcon));

    sorn::QtMessageBoxes boxes;
    sorn::QtFileDialogs dialogs;
    sorn::QtShell shell;
    sorn::Form1 window(
        sorn::Services{boxes, dialogs, shell},
        sorn::ProgramDataFolder(QCoreApplication::applicationDirPath().toStdString()));
    boxes.SetParent(&window);
    dialogs.SetParent(&window);

    window.Form_Load(sorn::CommandLineFromArguments(args));
    window.show();
    // Start-up measurements end once the window has painted itself.
    QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("SORN_QUIT_WHEN_SHOWN"))
        window.StatusBar1->installEventFilter(&quitter);
    return app.exec();
}
