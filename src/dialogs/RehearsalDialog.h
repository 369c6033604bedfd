#pragma once
// The dialog "パート練習用の音源": a recording of the whole score for each
// part, that part brought forward, into a folder, one file per part named
// after it. Every choice comes back the next time.

#include "platform/AudioExport.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace sorn {

class FileDialogs;
class MessageBoxes;
class SornData;

struct RehearsalChoice {
    std::string folder; // absolute
    AudioFormat format = AudioFormat::Wav;
    int balanceDb = 6;
    bool click = false;
    AudioSettings settings;
};

class RehearsalDialog : public QDialog {
    Q_OBJECT
public:
    RehearsalDialog(const SornData& doc, FileDialogs& dialogs, MessageBoxes& boxes,
                    QWidget* parent = nullptr);

    // What OK accepted; the settings are those of 音源の設定.
    RehearsalChoice Choice() const;

    QLabel* lblFolder;
    QLineEdit* txtFolder;
    QPushButton* cmdBrowse;
    QLabel* lblFormat;
    QComboBox* cmbFormat; // AudioFormat as item data
    QLabel* lblBalance;
    QSpinBox* spnBalance; // dB
    QCheckBox* chkClick;
    QLabel* lblFiles;         // how many files, named how
    QPushButton* cmdSettings; // 音源の設定...
    QPushButton* Command1;    // 書き出す
    QPushButton* Command2;    // キャンセル

private:
    std::string Folder() const;
    void cmdBrowse_Click();
    void cmdSettings_Click();
    void Command1_Click();

    const SornData& doc_;
    FileDialogs& dialogs_;
    MessageBoxes& boxes_;
};

} // namespace sorn
