#include "dialogs/RehearsalDialog.h"

#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/ReplaceFiles.h"
#include "model/MessageBoxes.h"
#include "model/SornData.h"
#include "platform/EditorSettings.h"
#include "platform/FileDialogs.h"
#include "platform/PrintJob.h"
#include "platform/QtFileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

namespace sorn {

namespace {

const QString kFolderSetting = QStringLiteral("audio/rehearsalFolder");
const QString kFormatSetting = QStringLiteral("audio/rehearsalFormat");
const QString kBalanceSetting = QStringLiteral("audio/balanceDb");
const QString kClickSetting = QStringLiteral("audio/click");
constexpr int kMostNamed = 4; // file names listed before the rest are counted

std::vector<std::uint8_t> EveryPart(const SornData& doc) {
    std::vector<std::uint8_t> parts;
    for (int p = 0; p < doc.PartCount(); ++p)
        parts.push_back(static_cast<std::uint8_t>(p));
    return parts;
}

// The score's folder, or the documents folder for a score not yet saved;
// absolute, as a score named on the command line may not be.
std::filesystem::path ScoreFolder(const SornData& doc) {
    if (doc.SornFileName().empty()) return DocumentsFolder();
    std::error_code ec;
    const std::filesystem::path score = std::filesystem::absolute(doc.SornFileName(), ec);
    return ec ? std::filesystem::path(DocumentsFolder()) : score.lexically_normal().parent_path();
}

} // namespace

RehearsalDialog::RehearsalDialog(const SornData& doc, FileDialogs& dialogs, MessageBoxes& boxes,
                                 QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs), boxes_(boxes) {
    setWindowTitle(tr("パート練習用の音源"));
    const EditorSettings remembered;

    // The folder used last while it is there, else beside the score.
    QString folder = remembered.value(kFolderSetting).toString();
    std::error_code ec;
    if (folder.isEmpty() || !std::filesystem::is_directory(folder.toStdString(), ec))
        folder = QString::fromStdString(ScoreFolder(doc).string());
    lblFolder = new QLabel(tr("書き出すフォルダ"));
    txtFolder = new QLineEdit(folder);
    txtFolder->setMinimumWidth(txtFolder->fontMetrics().averageCharWidth() * 40);
    lblFolder->setBuddy(txtFolder);
    cmdBrowse = new QPushButton(tr("参照..."));

    lblFormat = new QLabel(tr("形式"));
    cmbFormat = new QComboBox;
    cmbFormat->addItem(QStringLiteral("WAV"), static_cast<int>(AudioFormat::Wav));
    cmbFormat->addItem(QStringLiteral("FLAC"), static_cast<int>(AudioFormat::Flac));
    cmbFormat->addItem(QStringLiteral("Ogg Vorbis"), static_cast<int>(AudioFormat::Ogg));
    cmbFormat->setCurrentIndex(
        std::max(cmbFormat->findData(static_cast<int>(RememberedAudioFormat(kFormatSetting))), 0));
    lblFormat->setBuddy(cmbFormat);

    lblBalance = new QLabel(tr("練習するパートを目立たせる量"));
    spnBalance = new QSpinBox;
    spnBalance->setRange(0, 24);
    spnBalance->setSuffix(QStringLiteral(" dB"));
    spnBalance->setValue(remembered.value(kBalanceSetting, 6).toInt());
    spnBalance->setToolTip(
        tr("練習するパートをこれだけ大きく、ほかのパートを同じだけ小さくします"));
    lblBalance->setBuddy(spnBalance);
    chkClick = new QCheckBox(tr("拍ごとにクリックを入れる"));
    chkClick->setChecked(remembered.value(kClickSetting, false).toBool());

    lblFiles = new QLabel;
    // Long part names are cut short rather than widen the dialog.
    auto showFiles = [this] {
        const std::vector<std::string> names =
            PartFileNames(doc_, EveryPart(doc_), ExtensionOf(Choice().format));
        QStringList shown;
        for (std::size_t i = 0; i < names.size() && i < kMostNamed; ++i)
            shown << QString::fromStdString(names[i]);
        QString list = shown.join(tr("、"));
        if (names.size() > kMostNamed) list += tr(" ほか %1 個").arg(names.size() - kMostNamed);
        const QFontMetrics metrics = lblFiles->fontMetrics();
        lblFiles->setText(
            tr("パートごとに 1 個、パート名で書き出します:\n") +
            metrics.elidedText(list, Qt::ElideMiddle, metrics.averageCharWidth() * 60));
    };
    showFiles();
    connect(cmbFormat, &QComboBox::currentIndexChanged, this, showFiles);

    cmdSettings = new QPushButton(tr("音源の設定..."));
    Command1 = new QPushButton(tr("書き出す"));
    Command2 = new QPushButton(tr("キャンセル"));
    Command1->setDefault(true);
    for (QPushButton* button : {cmdBrowse, cmdSettings})
        button->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtFolder, 1);
    folderRow->addWidget(cmdBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSettings);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(12);
    layout->addWidget(lblFolder, 0, 0);
    layout->addLayout(folderRow, 0, 1);
    layout->addWidget(lblFormat, 1, 0);
    layout->addWidget(cmbFormat, 1, 1, Qt::AlignLeft);
    layout->addWidget(lblBalance, 2, 0);
    layout->addWidget(spnBalance, 2, 1, Qt::AlignLeft);
    layout->addWidget(chkClick, 3, 1);
    layout->addWidget(lblFiles, 4, 0, 1, 2);
    layout->addItem(new QSpacerItem(0, 4), 5, 0);
    layout->addLayout(buttons, 6, 0, 1, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, &RehearsalDialog::cmdBrowse_Click);
    connect(cmdSettings, &QPushButton::clicked, this, &RehearsalDialog::cmdSettings_Click);
    connect(Command1, &QPushButton::clicked, this, &RehearsalDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

// A folder typed without its path lies beside the score.
std::string RehearsalDialog::Folder() const {
    const std::filesystem::path typed = txtFolder->text().trimmed().toStdString();
    if (typed.empty()) return {};
    return (typed.is_absolute() ? typed : ScoreFolder(doc_) / typed).lexically_normal().string();
}

RehearsalChoice RehearsalDialog::Choice() const {
    RehearsalChoice choice;
    choice.folder = Folder();
    choice.format = static_cast<AudioFormat>(cmbFormat->currentData().toInt());
    choice.balanceDb = spnBalance->value();
    choice.click = chkClick->isChecked();
    choice.settings = RememberedAudioSettings();
    return choice;
}

void RehearsalDialog::cmdBrowse_Click() {
    const FileDialogRequest request{"", ExtensionOf(Choice().format) + 1, Folder(), "",
                                    tr("パート練習用の音源を書き出すフォルダ").toStdString()};
    if (const std::optional<std::string> folder = dialogs_.ChooseFolder(request))
        txtFolder->setText(QString::fromStdString(*folder));
}

void RehearsalDialog::cmdSettings_Click() {
    AudioSettingsDialog settings(dialogs_, boxes_, Choice().format, {}, this);
    settings.exec();
}

void RehearsalDialog::Command1_Click() {
    const RehearsalChoice choice = Choice();
    std::error_code ec;
    const QString problem =
        choice.folder.empty() ? tr("書き出すフォルダを指定してください。")
        : std::filesystem::exists(choice.folder, ec) &&
                !std::filesystem::is_directory(choice.folder, ec)
            ? tr("フォルダではなくファイルの名前です。書き出すフォルダを指定してください。")
            : QString();
    if (!problem.isEmpty()) {
        boxes_.Show(problem.toStdString(), MsgButtons::Ok, MsgIcon::Warning);
        txtFolder->setFocus();
        return;
    }
    std::vector<std::string> paths;
    for (const std::string& name : PartFileNames(doc_, EveryPart(doc_), ExtensionOf(choice.format)))
        paths.push_back((std::filesystem::path(choice.folder) / name).string());
    if (!MayReplaceFiles(boxes_, paths)) return;

    EditorSettings remembered;
    remembered.setValue(kFolderSetting, QString::fromStdString(choice.folder));
    RememberAudioFormat(kFormatSetting, choice.format);
    remembered.setValue(kBalanceSetting, choice.balanceDb);
    remembered.setValue(kClickSetting, choice.click);
    accept();
}

} // namespace sorn
