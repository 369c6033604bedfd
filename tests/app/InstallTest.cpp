// The installed program: every file in a fresh prefix, the desktop's own
// checks of them, and the data found from the build folder and from a prefix.

#include "platform/ProgramData.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <iostream>

namespace sorn::test {
namespace {

struct Result {
    int status;
    std::string out;
};

Result RunTool(const QString& program, const QStringList& args,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000)) return {-1, "timed out"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAll().trimmed().toStdString()};
}

// The desktop tools are not needed to build; without one its check is skipped, loudly.
bool Have(const char* tool) {
    if (!QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty()) return true;
    std::cout << "[ SKIPPED ] " << tool << " is not installed; its check did not run\n";
    return false;
}

TEST(Install, APrefixHoldsEveryFileAndTheDesktopKnowsTheScoreType) {
    TempDir prefix;
    const QString P = QString::fromStdString(prefix.Path().string());
    const Result install =
        RunTool(QStringLiteral(SORN_CMAKE_COMMAND), {"--install", SORN_BINARY_DIR, "--prefix", P});
    ASSERT_EQ(install.status, 0) << install.out;

    std::vector<std::string> files = {
        "bin/sorn-editor",
        "share/sorn-editor/help/help.htm",
        "share/sorn-editor/help/help_en.htm",
        "share/sorn-editor/translations/sorn-editor_en.qm",
        "share/sorn-editor/デフォルト/Violin.hki",
        "share/sorn-editor/Clarinet.hki2",
        "share/sorn-editor/examples/kirakira.sorn",
        "share/applications/sorn-editor.desktop",
        "share/mime/packages/sorn-editor.xml",
        "share/metainfo/io.github.sorn_editor.SornEditor.metainfo.xml",
        "share/icons/hicolor/scalable/apps/sorn-editor.svg",
        "share/man/man1/sorn-editor.1.gz",
    };
    for (int size : {16, 32, 48, 64, 128, 256})
        files.push_back("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                        "/apps/sorn-editor.png");
    for (const std::string& file : files)
        EXPECT_TRUE(std::filesystem::is_regular_file(prefix.Path() / file)) << file;

    if (Have("desktop-file-validate")) {
        const Result r =
            RunTool("desktop-file-validate", {P + "/share/applications/sorn-editor.desktop"});
        EXPECT_TRUE(r.status == 0 && r.out.empty()) << r.out;
    }
    if (Have("appstreamcli")) {
        const Result r =
            RunTool("appstreamcli",
                    {"validate", "--no-net",
                     P + "/share/metainfo/" + "io.github.sorn_editor.SornEditor.metainfo.xml"});
        EXPECT_EQ(r.status, 0) << r.out;
    }
    // A score is known by its name and, renamed, by its first bytes.
    if (Have("update-mime-database") && Have("xdg-mime")) {
        ASSERT_EQ(RunTool("update-mime-database", {P + "/share/mime"}).status, 0);
        std::filesystem::copy_file(prefix.Path() / "share/sorn-editor/examples/sakura.sorn",
                                   prefix.Path() / "x.sorn");
        std::filesystem::copy_file(prefix.Path() / "share/sorn-editor/examples/sakura.sorn",
                                   prefix.Path() / "renamed.dat");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", P + "/share");
        env.remove("XDG_CURRENT_DESKTOP");
        for (const char* name : {"x.sorn", "renamed.dat"}) {
            const Result r = RunTool("xdg-mime", {"query", "filetype", P + "/" + name}, env);
            EXPECT_EQ(r.out, "application/x-sorn") << name;
        }
    }

    // The installed program reads its data from the prefix: the default timbre,
    // and an example score opened as a double-click would open it.
    const QString example = P + "/share/sorn-editor/examples/kirakira.sorn";
    const Result wav = RunTool(P + "/bin/sorn-editor", {"--export-wav", P + "/out.wav", example});
    EXPECT_EQ(wav.status, 0) << wav.out;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", P + "/config");
    env.insert("XDG_DATA_HOME", P + "/data");
    env.insert("SORN_QUIT_WHEN_SHOWN", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const Result shown = RunTool(P + "/bin/sorn-editor", {example}, env);
    EXPECT_EQ(shown.status, 0) << shown.out;
    QSettings settings(P + "/config/sorn-editor/sorn-editor.conf", QSettings::IniFormat);
    EXPECT_EQ(settings.value("recentFiles").toStringList(), QStringList{example});
}

TEST(Install, DataIsFoundBesideTheProgramOrInItsSharedFolder) {
    TempDir prefix;
    const auto bin = prefix.Path() / "bin";
    const auto share = prefix.Path() / "share/sorn-editor";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(ProgramDataFolder(bin.string()), bin.string() + "/"); // neither: as before
    std::filesystem::create_directories(share / "help");
    WriteBytes((share / "help/help.htm").string(), {'<'});
    EXPECT_EQ(ProgramDataFolder(bin.string()), share.string() + "/");
    // The build folder: the data copied beside the program wins.
    const std::string built = std::string(SORN_BINARY_DIR) + "/bin";
    EXPECT_EQ(ProgramDataFolder(built), built + "/");
}

} // namespace
} // namespace sorn::test
