#include "dialogs/AudioSettingsDialog.h"

#include "model/MessageBoxes.h"
#include "platform/EditorSettings.h"
#include "platform/FileDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

namespace sorn {

namespace {

const QString kSoundFontSetting = QStringLiteral("audio/soundFont");
const QString kSampleRateSetting = QStringLiteral("audio/sampleRate");
const QString kBitsSetting = QStringLiteral("audio/bits");
// Where General MIDI SoundFonts are installed on Debian and its kin.
constexpr const char* kSoundFontFolder = "/usr/share/sounds/sf2";

void Choose(QComboBox* box, int value) {
    box->setCurrentIndex(std::max(box->findData(value), 0));
}

} // namespace

AudioSettings RememberedAudioSettings() {
    const EditorSettings remembered;
    AudioSettings settings;
    settings.soundFont = remembered.value(kSoundFontSetting).toString().toStdString();
    if (const int rate = remembered.value(kSampleRateSetting).toInt(); rate == 48000)
        settings.sampleRate = rate;
    if (const int bits = remembered.value(kBitsSetting).toInt(); bits == 24) settings.bits = bits;
    return settings;
}

void RememberAudioSettings(const AudioSettings& settings) {
    EditorSettings remembered;
    remembered.setValue(kSoundFontSetting, QString::fromStdString(settings.soundFont));
    remembered.setValue(kSampleRateSetting, settings.sampleRate);
    remembered.setValue(kBitsSetting, settings.bits);
}

AudioFormat RememberedAudioFormat(const QString& key) {
    const QString name = EditorSettings().value(key).toString();
    return AudioFormatOf("a." + name.toStdString()).value_or(AudioFormat::Wav);
}

void RememberAudioFormat(const QString& key, AudioFormat format) {
    EditorSettings().setValue(key, QString::fromLatin1(ExtensionOf(format) + 1));
}

AudioSettingsDialog::AudioSettingsDialog(FileDialogs& dialogs, MessageBoxes& boxes,
                                         std::optional<AudioFormat> format,
                                         const std::string& target, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), boxes_(boxes) {
    setWindowTitle(tr("音源の設定"));
    const AudioSettings settings = RememberedAudioSettings();

    lblTarget = new QLabel(tr("書き出すファイル: ") +
                           QString::fromStdString(std::filesystem::path(target).filename()));
    lblTarget->setVisible(!target.empty());
    lblSoundFont = new QLabel(QStringLiteral("SoundFont"));
    txtSoundFont = new QLineEdit(QString::fromStdString(settings.soundFont));
    txtSoundFont->setPlaceholderText(tr("自動（試聴と同じ音源）"));
    txtSoundFont->setClearButtonEnabled(true);
    // Wide enough for a SoundFont's path in the system's folder.
    txtSoundFont->setMinimumWidth(txtSoundFont->fontMetrics().averageCharWidth() * 40);
    lblSoundFont->setBuddy(txtSoundFont);
    cmdBrowse = new QPushButton(tr("参照..."));
    cmdBrowse->setAutoDefault(false);

    lblSampleRate = new QLabel(tr("サンプリング周波数"));
    cmbSampleRate = new QComboBox;
    cmbSampleRate->addItem(QStringLiteral("44.1 kHz"), 44100);
    cmbSampleRate->addItem(QStringLiteral("48 kHz"), 48000);
    Choose(cmbSampleRate, settings.sampleRate);
    lblSampleRate->setBuddy(cmbSampleRate);

    lblBits = new QLabel(tr("量子化ビット数"));
    cmbBits = new QComboBox;
    cmbBits->addItem(tr("16 ビット"), 16);
    cmbBits->addItem(tr("24 ビット"), 24);
    Choose(cmbBits, settings.bits);
    lblBits->setBuddy(cmbBits);
    // Ogg Vorbis is compressed without a sample size; the choice stays for WAV and FLAC.
    const bool ogg = format == AudioFormat::Ogg;
    cmbBits->setEnabled(!ogg);
    if (ogg) cmbBits->setToolTip(tr("Ogg Vorbis ではビット数を選びません"));

    Command1 = new QPushButton(QStringLiteral("OK"));
    Command2 = new QPushButton(tr("キャンセル"));
    Command1->setDefault(true);

    auto* soundFontRow = new QHBoxLayout;
    soundFontRow->addWidget(txtSoundFont, 1);
    soundFontRow->addWidget(cmdBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(12);
    layout->addWidget(lblTarget, 0, 0, 1, 2);
    layout->addWidget(lblSoundFont, 1, 0);
    layout->addLayout(soundFontRow, 1, 1);
    layout->addWidget(lblSampleRate, 2, 0);
    layout->addWidget(cmbSampleRate, 2, 1, Qt::AlignLeft);
    layout->addWidget(lblBits, 3, 0);
    layout->addWidget(cmbBits, 3, 1, Qt::AlignLeft);
    layout->addItem(new QSpacerItem(0, 4), 4, 0);
    layout->addLayout(buttons, 5, 0, 1, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, &AudioSettingsDialog::cmdBrowse_Click);
    connect(Command1, &QPushButton::clicked, this, &AudioSettingsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

AudioSettings AudioSettingsDialog::Chosen() const {
    AudioSettings settings;
    settings.soundFont = txtSoundFont->text().trimmed().toStdString();
    settings.sampleRate = cmbSampleRate->currentData().toInt();
    settings.bits = cmbBits->currentData().toInt();
    return settings;
}

// Starts beside the SoundFont chosen, else where the system keeps them.
void AudioSettingsDialog::cmdBrowse_Click() {
    std::string folder = std::filesystem::path(Chosen().soundFont).parent_path().string();
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) folder = kSoundFontFolder;
    const std::optional<std::string> path = dialogs_.OpenFile(
        {"SoundFont|*.sf2", "sf2", folder, "", tr("SoundFont の選択").toStdString()});
    if (path) txtSoundFont->setText(QString::fromStdString(*path));
}

// A SoundFont that is not there is told now, not after the export has
// started and the user has turned away.
void AudioSettingsDialog::Command1_Click() {
    const AudioSettings settings = Chosen();
    std::error_code ec;
    if (!settings.soundFont.empty() && !std::filesystem::is_regular_file(settings.soundFont, ec)) {
        boxes_.Show(tr("SoundFont のファイルが見つかりません。\n%1")
                        .arg(QString::fromStdString(settings.soundFont))
                        .toStdString(),
                    MsgButtons::Ok, MsgIcon::Warning);
        txtSoundFont->setFocus();
        txtSoundFont->selectAll();
        return;
    }
    RememberAudioSettings(settings);
    accept();
}

} // namespace sorn
