// The MIDI export from the menu and from the command line write the same
// file; the audio exports get what their dialogs chose.

#include "EditorFixture.h"
#include "app/Batch.h"
#include "app/PanelBar.h"
#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/DialogTest.h"
#include "dialogs/RehearsalDialog.h"
#include "dialogs/frmOnsyoku.h"
#include "platform/PrintJob.h"
#include "platform/QtFileDialogs.h"
#include "sound/InstrumentNames.h"
#include "support/BatchCommand.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace sorn::test {
namespace {

TEST(MidiExport, MenuAndCommandLineWriteTheSameBytes) {
    TempDir dir;
    Editor e(Example("chorale.sorn"));
    e.dialogs.answers = {dir.File("menu.mid")};
    e.form->mnuFileMidisave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].filter, "MIDIファイル|*.mid");
    EXPECT_EQ(e.dialogs.saveRequests[0].defaultExtension, "mid");
    // Beside the score, under its name; done, the bar empties and the status line says so.
    EXPECT_EQ(
        e.dialogs.saveRequests[0].presetName,
        (std::filesystem::path(Example("chorale.sorn")).parent_path() / "chorale.mid").string());
    EXPECT_TRUE(e.boxes.shown.empty());
    EXPECT_EQ(e.form->ProgressBar1->value(), e.form->ProgressBar1->minimum());
    EXPECT_EQ(e.form->StatusBar1->PanelText(2), QStringLiteral("書き出しました: menu.mid"));

    ASSERT_EQ(Batch({"--export-midi", dir.File("batch.mid"), Example("chorale.sorn")}), 0);
    ASSERT_EQ(Batch({"-o", dir.File("short.mid"), Example("chorale.sorn")}), 0);
    const auto menu = ReadBytes(dir.File("menu.mid"));
    ASSERT_GT(menu.size(), 100u);
    EXPECT_EQ(std::string(menu.begin(), menu.begin() + 4), "MThd");
    EXPECT_EQ(menu, ReadBytes(dir.File("batch.mid")));
    EXPECT_EQ(menu, ReadBytes(dir.File("short.mid")));
    EXPECT_FALSE(e.state().ScoreModified);
}

TEST(MidiExport, CancelWritesNothingAndFailureSaysWhy) {
    TempDir dir;
    Editor e;
    e.dialogs.answers = {std::nullopt, dir.File("missing/out.mid")};
    e.form->mnuFileMidisave->trigger();
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_TRUE(e.boxes.shown.empty());
    // A score never saved has no name to propose.
    EXPECT_EQ(e.dialogs.saveRequests[0].presetName, "");
    EXPECT_EQ(e.dialogs.saveRequests[0].initialFolder, DocumentsFolder());
    e.form->mnuFileMidisave->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text.rfind(std::to_string(ENOENT), 0), 0u); // number first

    std::string err;
    EXPECT_EQ(Batch({"--export-midi", dir.File("missing/out.mid"), Example("canon.sorn")}, &err),
              1);
    // The command line also names the file.
    EXPECT_EQ(err.rfind("MIDIファイルを書き出せませんでした。\n" + dir.File("missing/out.mid") +
                            "\n" + std::to_string(ENOENT),
                        0),
              0u);

    // A score kept as "old.mid" is not proposed as its own MIDI file.
    std::filesystem::copy_file(Example("canon.sorn"), dir.File("old.mid"));
    Editor named(dir.File("old.mid"));
    ASSERT_EQ(named.doc().SornFileName(), dir.File("old.mid"));
    named.form->mnuFileMidisave->trigger();
    EXPECT_EQ(named.dialogs.saveRequests.at(0).presetName, "");
}

// Answers the timbre dialog once it is up: OK on the first timbre, or キャンセル.
void AnswerTimbreDialog(bool ok) {
    QTimer::singleShot(0, [ok] {
        auto* dialog = qobject_cast<frmOnsyoku*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->List1->setCurrentRow(0);
        (ok ? dialog->Command1 : dialog->Command2)->click();
    });
}

TEST(WavExport, MenuAndCommandLineWriteTheSameBytes) {
    TempDir dir;
    Editor e(Example("sakura.sorn"));
    AnswerTimbreDialog(true);
    e.dialogs.answers = {dir.File("menu.wav")};
    e.form->mnuFileGmfsave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].filter, "WAVファイル|*.wav");
    EXPECT_EQ(e.dialogs.saveRequests[0].defaultExtension, "wav");
    EXPECT_EQ(e.dialogs.saveRequests[0].title,
              "パート 1（" + std::string(InstrumentName(e.doc().GetInstrumentNumber(0) + 1)) +
                  "）をWAVで保存");
    EXPECT_EQ(std::filesystem::path(e.dialogs.saveRequests[0].presetName).filename(), "sakura.wav");
    EXPECT_TRUE(e.boxes.shown.empty());

    ASSERT_EQ(Batch({"--export-wav", dir.File("batch.wav"), Example("sakura.sorn")}), 0);
    ASSERT_EQ(Batch({"-o", dir.File("short.wav"), "--part", "1", Example("sakura.sorn")}), 0);
    const auto menu = ReadBytes(dir.File("menu.wav"));
    ASSERT_GT(menu.size(), 44u);
    EXPECT_EQ(std::string(menu.begin(), menu.begin() + 4), "RIFF");
    EXPECT_EQ(menu, ReadBytes(dir.File("batch.wav")));
    EXPECT_EQ(menu, ReadBytes(dir.File("short.wav")));
}

TEST(WavExport, CancelledTimbreEndsTheCommand) {
    Editor e;
    AnswerTimbreDialog(false);
    e.form->mnuFileGmfsave->trigger();
    EXPECT_TRUE(e.dialogs.saveRequests.empty());
    std::string err;
    EXPECT_EQ(Batch({"--export-wav", "/tmp/x.wav", "--part", "3", Example("sakura.sorn")}, &err),
              1);
    EXPECT_NE(err.find("パート 3"), std::string::npos);
    EXPECT_EQ(
        Batch({"--export-wav", "/tmp/x.wav", "--timbre", "no-such.hki2", Example("sakura.sorn")},
              &err),
        1);
}

// What the rehearsal dialog and the sound settings chose reaches the export
// and comes back the next time; tracks there already are replaced only when
// the user says so. The whole score's file takes its format from its name.
TEST(AudioExport, ChoicesReachTheExportsAndComeBack) {
    TempDir dir;
    WriteBytes(dir.File("gm.sf2"), {'R', 'I', 'F', 'F'});
    Editor e(Example("chorale.sorn"));
    struct Call {
        std::string path;
        AudioFormat format;
        AudioSettings settings;
        double balanceDb;
        bool click;
    };
    std::vector<Call> calls;
    Form1::AudioExports exports;
    exports.whole = [&](const SornData&, const std::string& path, const AudioSettings& settings,
                        const AudioMix& mix, ProgressSink*) {
        calls.push_back({path, *AudioFormatOf(path), settings, mix.balanceDb, mix.click});
        return std::string();
    };
    exports.rehearsal = [&](const SornData& doc, const std::string& folder, AudioFormat format,
                            const AudioSettings& settings, double balanceDb, bool click,
                            ProgressSink*, std::vector<std::string>* written) {
        calls.push_back({folder, format, settings, balanceDb, click});
        for (const std::string& name : PartFileNames(doc, {0, 1}, ExtensionOf(format))) {
            written->push_back((std::filesystem::path(folder) / name).string());
            WriteBytes(written->back(), {});
        }
        return std::string();
    };
    e.form->UseAudioExports(exports);

    WhenModal<RehearsalDialog>([&](RehearsalDialog& d) {
        EXPECT_EQ(d.txtFolder->text().toStdString(),
                  std::filesystem::path(Example("chorale.sorn")).parent_path().string());
        EXPECT_EQ(d.cmbFormat->currentText(), QStringLiteral("WAV"));
        EXPECT_EQ(d.spnBalance->value(), 6);
        EXPECT_FALSE(d.chkClick->isChecked());
        d.txtFolder->setText(QString::fromStdString(dir.Path().string()));
        d.cmbFormat->setCurrentIndex(d.cmbFormat->findText(QStringLiteral("FLAC")));
        d.spnBalance->setValue(9);
        d.chkClick->setChecked(true);
        WhenModal<AudioSettingsDialog>([&](AudioSettingsDialog& s) {
            EXPECT_TRUE(s.cmbBits->isEnabled());
            s.txtSoundFont->setText(QString::fromStdString(dir.File("gm.sf2")));
            s.cmbSampleRate->setCurrentIndex(s.cmbSampleRate->findData(48000));
            s.cmbBits->setCurrentIndex(s.cmbBits->findData(24));
            s.Command1->click();
        });
        d.cmdSettings->click();
        d.Command1->click();
    });
    e.form->mnuFileRehearsal->trigger();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].path, dir.Path().string());
    EXPECT_EQ(calls[0].format, AudioFormat::Flac);
    EXPECT_EQ(calls[0].settings.soundFont, dir.File("gm.sf2"));
    EXPECT_EQ(calls[0].settings.sampleRate, 48000);
    EXPECT_EQ(calls[0].settings.bits, 24);
    EXPECT_EQ(calls[0].balanceDb, 9);
    EXPECT_TRUE(calls[0].click);
    EXPECT_EQ(e.form->StatusBar1->PanelText(2),
              QStringLiteral("2 個のファイルを書き出しました: ") +
                  QString::fromStdString(dir.Path().filename().string()));

    WhenModal<RehearsalDialog>([&](RehearsalDialog& d) {
        EXPECT_EQ(d.txtFolder->text().toStdString(), dir.Path().string());
        EXPECT_EQ(d.cmbFormat->currentText(), QStringLiteral("FLAC"));
        EXPECT_EQ(d.spnBalance->value(), 9);
        EXPECT_TRUE(d.chkClick->isChecked());
        d.Command1->click(); // the question is answered キャンセル: the dialog stays
        EXPECT_TRUE(d.isVisible());
    });
    e.form->mnuFileRehearsal->trigger();
    EXPECT_EQ(calls.size(), 1u);
    ASSERT_FALSE(e.boxes.shown.empty());
    EXPECT_EQ(e.boxes.shown.back().text.rfind("次のファイルはもうあります。置き換えますか?", 0),
              0u);

    e.dialogs.answers = {dir.File("all.ogg"), std::nullopt};
    WhenModal<AudioSettingsDialog>([&](AudioSettingsDialog& s) {
        EXPECT_FALSE(s.cmbBits->isEnabled()); // Ogg Vorbis has none to choose
        EXPECT_EQ(s.txtSoundFont->text().toStdString(), dir.File("gm.sf2"));
        s.Command1->click();
    });
    e.form->mnuFileAudiosave->trigger();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].path, dir.File("all.ogg"));
    EXPECT_EQ(calls[1].settings.sampleRate, 48000);
    EXPECT_EQ(calls[1].balanceDb, AudioMix{}.balanceDb); // every part as written
    EXPECT_EQ(e.form->StatusBar1->PanelText(2), QStringLiteral("書き出しました: all.ogg"));
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].filter,
              "WAVファイル|*.wav|FLACファイル|*.flac|Ogg Vorbisファイル|*.ogg");
    EXPECT_EQ(std::filesystem::path(e.dialogs.saveRequests[0].presetName).filename(),
              "chorale.wav");
    // The next proposal keeps the format chosen.
    e.form->mnuFileAudiosave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(std::filesystem::path(e.dialogs.saveRequests[1].presetName).filename(),
              "chorale.ogg");
}

} // namespace
} // namespace sorn::test
