// Test main for tests that need a QApplication: offscreen, Japanese font,
// and settings, recent files and recovery copies in a folder of this run
// (never the developer's own).

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A child started by a test shares its parent's folder.
    QTemporaryDir home;
    if (!qEnvironmentVariableIsSet("SORN_TEST_KEEP_XDG")) {
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    }
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
