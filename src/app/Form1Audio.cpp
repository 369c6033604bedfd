// The File menu's audio of the whole score: one file of every part as
// heard, and a rehearsal track of each part into a folder, both rendered in
// the background with the progress bar and Escape to cancel.

#include "app/ExportDialogs.h"
#include "app/Exports.h"
#include "app/Form1.h"
#include "app/PanelBar.h"
#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/RehearsalDialog.h"
#include "platform/BackgroundWork.h"
#include "platform/FileDialogs.h"

#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

namespace sorn {

namespace {
const QString kFormatSetting = QStringLiteral("audio/format");
} // namespace

void Form1::mnuFileAudiosave_Click() {
    const auto path = services_.dialogs.SaveFile(
        AudioFileDialog(document_, RememberedAudioFormat(kFormatSetting)));
    if (!path) return;
    const std::optional<AudioFormat> format = AudioFormatOf(*path);
    if (!format) {
        services_.boxes.Show(
            tr("音声ファイルの名前は .wav、.flac、.ogg のどれかで終えてください。\n%1")
                .arg(QString::fromStdString(*path))
                .toStdString(),
            MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    RememberAudioFormat(kFormatSetting, *format);
    // The sound is chosen once the format is known: Ogg Vorbis takes no bits.
    AudioSettingsDialog options(services_.dialogs, services_.boxes, format, *path, this);
    options.Command1->setText(tr("書き出す"));
    if (options.exec() != QDialog::Accepted) return;
    const AudioSettings settings = options.Chosen();
    std::string problem;
    work_->Run([&](ProgressSink& progress) {
        problem = audioExports_.whole(document_, *path, settings, AudioMix{}, &progress);
    });
    ExportFinished(*path, problem, work_->Cancelled());
}

// The tracks written before a cancel or a failure are whole and stay; the
// status line counts them.
void Form1::mnuFileRehearsal_Click() {
    RehearsalDialog dialog(document_, services_.dialogs, services_.boxes, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const RehearsalChoice choice = dialog.Choice();
    std::string problem;
    std::vector<std::string> written;
    work_->Run([&](ProgressSink& progress) {
        problem = audioExports_.rehearsal(document_, choice.folder, choice.format, choice.settings,
                                          choice.balanceDb, choice.click, &progress, &written);
    });
    ProgressBar1->setValue(ProgressBar1->minimum());
    if (!problem.empty()) services_.boxes.Show(problem, MsgButtons::Ok, MsgIcon::None);
    const QString count = QString::number(written.size());
    if (work_->Cancelled())
        ShowStatusMessage(written.empty()
                              ? tr("書き出しを中止しました")
                              : tr("書き出しを中止しました（%1 個は書き出し済み）").arg(count));
    else if (problem.empty() || !written.empty())
        ShowStatusMessage(
            tr("%1 個のファイルを書き出しました: %2")
                .arg(count, QString::fromStdString(
                                std::filesystem::path(choice.folder).filename().string())));
}

} // namespace sorn
