// Test main for tests that need a QApplication: offscreen, Japanese font.

#include <QApplication>
#include <QFont>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings never the developer's own
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
