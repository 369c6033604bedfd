#pragma once
// The dialog "音源の設定" of the audio exports: the SoundFont (empty: the
// one the audition finds), the sample rate and the bits per sample. What OK
// accepts is remembered for the next export and the next run.

#include "platform/AudioExport.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sorn {

class FileDialogs;
class MessageBoxes;

// The choices of the audio dialogs, kept in the settings under audio/; a
// value the engine does not take reads as the default.
AudioSettings RememberedAudioSettings();
void RememberAudioSettings(const AudioSettings& settings);
AudioFormat RememberedAudioFormat(const QString& key);
void RememberAudioFormat(const QString& key, AudioFormat format);

class AudioSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // format: the file's, when known; Ogg Vorbis has no bits to choose.
    // target: the file to be written, shown above the choices when given.
    AudioSettingsDialog(FileDialogs& dialogs, MessageBoxes& boxes,
                        std::optional<AudioFormat> format = std::nullopt,
                        const std::string& target = {}, QWidget* parent = nullptr);

    // The choices as they stand.
    AudioSettings Chosen() const;

    QLabel* lblTarget;
    QLabel* lblSoundFont;
    QLineEdit* txtSoundFont; // empty: automatic
    QPushButton* cmdBrowse;
    QLabel* lblSampleRate;
    QComboBox* cmbSampleRate; // 44100, 48000 as item data
    QLabel* lblBits;
    QComboBox* cmbBits;    // 16, 24 as item data
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル

private:
    void cmdBrowse_Click();
    void Command1_Click();

    FileDialogs& dialogs_;
    MessageBoxes& boxes_;
};

} // namespace sorn
