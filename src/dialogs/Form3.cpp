#include "dialogs/Form3.h"

#include "dialogs/ReplaceFiles.h"
#include "dialogs/TextBoxNumber.h"
#include "interchange/LilyPondEngrave.h"
#include "model/AtomicFile.h"
#include "model/LeadingNumber.h"
#include "model/MessageBoxes.h"
#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "platform/BackgroundWork.h"
#include "platform/DataFolder.h"
#include "platform/EditorSettings.h"
#include "platform/FileDialogs.h"
#include "platform/MessageText.h"
#include "platform/QtFileDialogs.h"
#include "platform/Shell.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

namespace sorn {

namespace {
constexpr QSize kPreviewSize(300, 350);
constexpr long kMostCopies = 999;
constexpr int kMostMarginMm = 50;
constexpr int kFewestListedParts = 3;
constexpr int kMostListedParts = 8;
const QString kCloseUpSetting = QStringLiteral("print/closeUpBlanks");
const QString kPaperSetting = QStringLiteral("print/paper");
const QString kContentSetting = QStringLiteral("print/content");
const QString kLayoutSetting = QStringLiteral("print/layout");
const QString kMarginSetting = QStringLiteral("print/marginMm");
const QString kLandscapeSetting = QStringLiteral("print/landscape");
const QString kChosenPartsSetting = QStringLiteral("print/chosenParts");
const QString kPartCountSetting = QStringLiteral("print/chosenPartsOf");
const std::array<QString, 3> kContentNames = {QStringLiteral("part"), QStringLiteral("score"),
                                              QStringLiteral("chosen")};

struct Paper {
    const char* name;
    PaperSize size;
};
constexpr std::array<Paper, 4> kPapers = {
    {{"A4", PaperSize::A4}, {"A5", PaperSize::A5}, {"B4", PaperSize::B4}, {"B5", PaperSize::B5}}};

// One part's pages as its share of a bar that runs over every part.
class PartProgress : public ProgressSink {
public:
    static constexpr int kShare = 1000;
    PartProgress(ProgressSink& whole, int index, int count) : whole_(whole), index_(index) {
        whole_.SetMaximum(count * kShare);
        whole_.SetValue(index * kShare);
    }
    void SetMaximum(int maximum) override { maximum_ = std::max(maximum, 1); }
    void SetValue(int value) override {
        whole_.SetValue(index_ * kShare + std::clamp(value, 0, maximum_) * kShare / maximum_);
    }
    bool Cancelled() const override { return whole_.Cancelled(); }

private:
    ProgressSink& whole_;
    int index_;
    int maximum_ = 1;
};

QString PartCaption(const SornData& doc, std::uint8_t part) {
    const std::string& name = doc.GetPartText(part, PartText::Name);
    return QString::number(part + 1) + u' ' +
           (name.empty() ? InstrumentText(doc.GetInstrumentNumber(part))
                         : QString::fromStdString(name));
}

// A control that belongs to the choice above it, set in under it.
QHBoxLayout* Indented(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addSpacing(20);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}
} // namespace

Form3::Form3(const SornData& doc, std::uint8_t part, PrintServices services, QWidget* parent)
    : QDialog(parent), doc_(doc), part_(part), services_(std::move(services)),
      page_(NewPageImage()) {
    setWindowTitle(tr("印刷プレビュー"));
    Picture2 = new QLabel(this);
    Picture2->setFixedSize(kPreviewSize);
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(tr("12段"), this);
    Label4 = new QLabel(tr("1段の音符の数"), this);
    Label2 = new QLabel(QStringLiteral("30"), this);
    Label5 = new QLabel(tr("ページ"), this);
    Command3 = new QPushButton(tr("プレビューの表示"), this);
    Label3 = new QLabel(tr("部数"), this);
    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text1->setMaximumWidth(70);
    Label6 = new QLabel(tr("全てのページを印刷"), this);
    Combo1 = new QComboBox(this); // a list to choose from, not to type into
    chkKuhaku = new QCheckBox(tr("空白を詰める"), this);
    Command1 = new QPushButton(tr("印刷開始"), this);
    Command4 = new QPushButton(tr("キャンセル"), this);
    Command1->setDefault(true);
    cmdPartPdfs = new QPushButton(tr("パートごとにPDF..."), this);
    cmdEngrave = new QPushButton(tr("LilyPondで浄書..."), this);
    lblEngraving = new QLabel(this);

    optThisPart = new QRadioButton(tr("このパート"), this);
    optFullScore = new QRadioButton(tr("総譜"), this);
    optChosenParts = new QRadioButton(tr("選んだパート"), this);
    content_ = new QButtonGroup(this);
    content_->addButton(optThisPart, kThisPart);
    content_->addButton(optFullScore, kFullScore);
    content_->addButton(optChosenParts, kChosenParts);
    lstParts = new QListWidget(this);
    // As wide as the longest name, within reason; a long list scrolls.
    lstParts->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    lstParts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int p = 0; p < doc_.PartCount(); ++p) {
        auto* item = new QListWidgetItem(PartCaption(doc_, static_cast<std::uint8_t>(p)), lstParts);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    const int row = std::max(lstParts->sizeHintForRow(0), lstParts->fontMetrics().height());
    lstParts->setMinimumHeight(kFewestListedParts * row + 2 * lstParts->frameWidth());
    lstParts->setMaximumHeight(kMostListedParts * row + 2 * lstParts->frameWidth());
    lstParts->setMaximumWidth(kPreviewSize.width());
    if (lstParts->count() > kMostListedParts)
        lstParts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // counted in its width

    optOriginalLayout = new QRadioButton(tr("元の体裁"), this);
    optReadingLayout = new QRadioButton(tr("読みやすい体裁"), this);
    layout_ = new QButtonGroup(this);
    layout_->addButton(optOriginalLayout);
    layout_->addButton(optReadingLayout);
    lblMargin_ = new QLabel(tr("余白"), this);
    spnMargin = new QSpinBox(this);
    spnMargin->setRange(0, kMostMarginMm);
    spnMargin->setSuffix(QStringLiteral(" mm"));
    lblOrientation_ = new QLabel(tr("向き"), this);
    optPortrait = new QRadioButton(tr("縦"), this);
    optLandscape = new QRadioButton(tr("横"), this);
    orientation_ = new QButtonGroup(this);
    orientation_->addButton(optPortrait);
    orientation_->addButton(optLandscape);

    cmdPreviousPage = new QPushButton(tr("前へ"), this);
    cmdNextPage = new QPushButton(tr("次へ"), this);
    lblPageOf = new QLabel(this);
    lblPageOf->setAlignment(Qt::AlignCenter);

    // Every choice is as the user left it last time.
    const EditorSettings remembered;
    chkKuhaku->setChecked(remembered.value(kCloseUpSetting, false).toBool());
    for (const Paper& paper : kPapers)
        Combo1->addItem(QString::fromLatin1(paper.name));
    Combo1->setCurrentIndex(
        std::max(Combo1->findText(remembered.value(kPaperSetting).toString()), 0));
    const auto content = std::find(kContentNames.begin(), kContentNames.end(),
                                   remembered.value(kContentSetting).toString());
    content_
        ->button(content == kContentNames.end() ? kThisPart
                                                : static_cast<int>(content - kContentNames.begin()))
        ->setChecked(true);
    (remembered.value(kLayoutSetting).toString() == QLatin1String("reading") ? optReadingLayout
                                                                             : optOriginalLayout)
        ->setChecked(true);
    spnMargin->setValue(remembered.value(kMarginSetting, 15).toInt());
    (remembered.value(kLandscapeSetting, false).toBool() ? optLandscape : optPortrait)
        ->setChecked(true);
    // Part numbers mean other parts once parts were added or removed.
    bool anyChosen = false;
    if (remembered.value(kPartCountSetting).toInt() == doc_.PartCount())
        for (const QString& number :
             remembered.value(kChosenPartsSetting).toString().split(u',', Qt::SkipEmptyParts))
            if (QListWidgetItem* item = lstParts->item(number.toInt() - 1)) {
                item->setCheckState(Qt::Checked);
                anyChosen = true;
            }
    if (!anyChosen)
        if (QListWidgetItem* item = lstParts->item(part_)) item->setCheckState(Qt::Checked);

    auto* contentBox = new QGroupBox(tr("内容"), this);
    auto* contentColumn = new QVBoxLayout(contentBox);
    contentColumn->addWidget(optThisPart);
    contentColumn->addWidget(optFullScore);
    contentColumn->addWidget(optChosenParts);
    contentColumn->addWidget(lstParts, 1);

    auto* layoutBox = new QGroupBox(tr("体裁"), this);
    auto* layoutColumn = new QVBoxLayout(layoutBox);
    layoutColumn->addWidget(optOriginalLayout);
    layoutColumn->addLayout(Indented(chkKuhaku));
    layoutColumn->addWidget(optReadingLayout);
    auto* readingGrid = new QGridLayout;
    readingGrid->setColumnMinimumWidth(0, 12);
    readingGrid->addWidget(lblMargin_, 0, 1);
    readingGrid->addWidget(spnMargin, 0, 2, 1, 2);
    readingGrid->addWidget(lblOrientation_, 1, 1);
    readingGrid->addWidget(optPortrait, 1, 2);
    readingGrid->addWidget(optLandscape, 1, 3);
    readingGrid->setColumnStretch(4, 1);
    layoutColumn->addLayout(readingGrid);

    auto* choices = new QVBoxLayout;
    choices->addWidget(contentBox, 1);
    choices->addWidget(layoutBox);

    auto* settings = new QGridLayout;
    settings->addWidget(Label1, 0, 0, 1, 2);
    settings->addWidget(Label4, 1, 0);
    settings->addWidget(Label2, 1, 1);
    settings->addWidget(Label5, 2, 0, 1, 2);
    settings->addWidget(Command3, 3, 0, 1, 2);
    settings->addWidget(Label3, 4, 0);
    settings->addWidget(Text1, 4, 1);
    settings->addWidget(Label6, 5, 0, 1, 2);
    settings->addWidget(Combo1, 6, 0, 1, 2);
    settings->setRowStretch(7, 1);
    // The original layout's figures leave their room when hidden, so that
    // nothing jumps while choosing.
    for (QWidget* figure : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4),
                            static_cast<QWidget*>(Label2)}) {
        QSizePolicy policy = figure->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        figure->setSizePolicy(policy);
    }

    pager_ = new QWidget(this);
    auto* pagerRow = new QHBoxLayout(pager_);
    pagerRow->setContentsMargins(0, 0, 0, 0);
    pagerRow->addWidget(cmdPreviousPage);
    pagerRow->addWidget(lblPageOf, 1);
    pagerRow->addWidget(cmdNextPage);
    QSizePolicy pagerPolicy = pager_->sizePolicy();
    pagerPolicy.setRetainSizeWhenHidden(true);
    pager_->setSizePolicy(pagerPolicy);
    auto* preview = new QVBoxLayout;
    preview->addWidget(Picture2);
    preview->addWidget(pager_);
    preview->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPartPdfs);
    buttons->addWidget(cmdEngrave);
    buttons->addWidget(lblEngraving, 1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);
    auto* top = new QHBoxLayout;
    top->addLayout(preview);
    top->addLayout(choices);
    top->addLayout(settings);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdPartPdfs, &QPushButton::clicked, this, &Form3::cmdPartPdfs_Click);
    connect(cmdEngrave, &QPushButton::clicked, this, &Form3::cmdEngrave_Click);
    connect(cmdPreviousPage, &QPushButton::clicked, this, [this] { ShowPage(previewPage_ - 1); });
    connect(cmdNextPage, &QPushButton::clicked, this, [this] { ShowPage(previewPage_ + 1); });

    ContentChanged(); // also makes the glyphs here, before printing draws on another thread

    const auto changed = [this] {
        UpdatePageCount();
        Remember();
    };
    connect(content_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (!on) return;
        ContentChanged();
        Remember();
    });
    for (QButtonGroup* group : {layout_, orientation_})
        connect(group, &QButtonGroup::buttonToggled, this, [changed](QAbstractButton*, bool on) {
            if (on) changed();
        });
    connect(chkKuhaku, &QCheckBox::toggled, this, changed);
    connect(spnMargin, &QSpinBox::valueChanged, this, changed);
    connect(Combo1, &QComboBox::currentIndexChanged, this, changed);
    connect(lstParts, &QListWidget::itemChanged, this, changed);
}

Form3::~Form3() = default;

PrintChoice Form3::Choice() const {
    PrintChoice choice;
    choice.parts.clear();
    switch (content_->checkedId()) {
    case kFullScore:
        for (int p = 0; p < doc_.PartCount(); ++p)
            choice.parts.push_back(static_cast<std::uint8_t>(p));
        break;
    case kChosenParts:
        for (int p = 0; p < lstParts->count(); ++p)
            if (lstParts->item(p)->checkState() == Qt::Checked)
                choice.parts.push_back(static_cast<std::uint8_t>(p));
        break;
    default:
        choice.parts.push_back(part_);
        break;
    }
    choice.reading = optReadingLayout->isChecked();
    choice.compact = chkKuhaku->isChecked();
    choice.paper = kPapers[static_cast<std::size_t>(std::clamp(
                               Combo1->currentIndex(), 0, static_cast<int>(kPapers.size()) - 1))]
                       .size;
    choice.landscape = optLandscape->isChecked();
    choice.marginMm = spnMargin->value();
    return choice;
}

// The original pages show one part only: more parts are always laid out
// for reading. Going back to this part keeps the reading layout chosen.
void Form3::ContentChanged() {
    const bool thisPart = optThisPart->isChecked();
    if (!thisPart) {
        const QSignalBlocker once(layout_); // recounted below
        optReadingLayout->setChecked(true);
    }
    optOriginalLayout->setEnabled(thisPart);
    lstParts->setEnabled(optChosenParts->isChecked());
    UpdatePageCount();
}

int Form3::RenderPrintPage(int page) {
    const int last = RenderPage(doc_, part_, chkKuhaku->isChecked(), page, page_);
    // The whole page stretched into the whole preview box.
    Picture2->setPixmap(QPixmap::fromImage(page_.scaled(
        Picture2->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return last;
}

void Form3::UpdatePageCount() {
    const PrintChoice choice = Choice();
    const bool reading = choice.reading;
    for (QWidget* figure : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4),
                            static_cast<QWidget*>(Label2)})
        figure->setVisible(!reading);
    chkKuhaku->setEnabled(!reading);
    for (QWidget* w : {static_cast<QWidget*>(lblMargin_), static_cast<QWidget*>(spnMargin),
                       static_cast<QWidget*>(lblOrientation_), static_cast<QWidget*>(optPortrait),
                       static_cast<QWidget*>(optLandscape)})
        w->setEnabled(reading);
    pager_->setVisible(reading);
    // A sheet of paper on a grey desk shows the page's shape and margins.
    Picture2->setStyleSheet(reading ? QStringLiteral("background: #a0a0a0")
                                    : QStringLiteral("background: white"));
    const bool anything = !choice.parts.empty();
    Command1->setEnabled(anything);
    Command3->setEnabled(anything);
    cmdPartPdfs->setEnabled(anything);
    cmdEngrave->setEnabled(anything);
    pages_.reset();
    if (!reading) {
        lastPage_ = RenderPrintPage(0);
    } else if (!anything) {
        lastPage_ = -1;
        Picture2->setText(tr("パートを選んでください"));
        lblPageOf->clear();
        cmdPreviousPage->setEnabled(false);
        cmdNextPage->setEnabled(false);
    } else {
        pages_ = std::make_unique<PrintPages>(doc_, choice);
        lastPage_ = pages_->PageCount() - 1;
        ShowPage(previewPage_);
    }
    Label5->setText(tr("%1ページ").arg(lastPage_ + 1));
}

void Form3::ShowPage(int page) {
    if (!pages_) return;
    previewPage_ = std::clamp(page, 0, lastPage_);
    // The whole page, its shape kept, as large as the box allows.
    const QSize fitted = pages_->Coordinates().scaled(Picture2->contentsRect().size() - QSize(8, 8),
                                                      Qt::KeepAspectRatio);
    const qreal ratio = Picture2->devicePixelRatioF();
    QImage picture =
        pages_->Picture(previewPage_, std::max(1, static_cast<int>(fitted.width() * ratio)));
    picture.setDevicePixelRatio(ratio);
    Picture2->setPixmap(QPixmap::fromImage(picture));
    lblPageOf->setText(tr("%1 / %2 ページ").arg(previewPage_ + 1).arg(lastPage_ + 1));
    cmdPreviousPage->setEnabled(previewPage_ > 0);
    cmdNextPage->setEnabled(previewPage_ < lastPage_);
}

void Form3::Remember() const {
    EditorSettings settings;
    settings.setValue(kCloseUpSetting, chkKuhaku->isChecked());
    settings.setValue(kPaperSetting, Combo1->currentText());
    settings.setValue(kContentSetting, kContentNames[static_cast<std::size_t>(std::clamp(
                                           content_->checkedId(), 0, int{kChosenParts}))]);
    settings.setValue(kLayoutSetting, optReadingLayout->isChecked() ? QStringLiteral("reading")
                                                                    : QStringLiteral("original"));
    settings.setValue(kMarginSetting, spnMargin->value());
    settings.setValue(kLandscapeSetting, optLandscape->isChecked());
    QStringList chosen;
    for (int p = 0; p < lstParts->count(); ++p)
        if (lstParts->item(p)->checkState() == Qt::Checked) chosen << QString::number(p + 1);
    settings.setValue(kChosenPartsSetting, chosen.join(u','));
    settings.setValue(kPartCountSetting, doc_.PartCount());
}

std::string Form3::PreviewImagePath() const {
    return ScratchFile("GImage.bmp");
}

void Form3::Command3_Click() {
    const std::string path = PreviewImagePath();
    if (path.empty()) return;
    // The reading page shown, as wide as the original page canvas.
    const QImage image = pages_ ? pages_->Picture(previewPage_, page_.width()) : page_;
    QBuffer bmp;
    bmp.open(QIODevice::WriteOnly);
    if (!image.save(&bmp, "BMP")) return;
    if (AtomicFile::WriteAll(path, bmp.data().constData(), static_cast<std::size_t>(bmp.size())))
        return;
    // The dialog may have closed by the time the desktop answers.
    const std::string text =
        tr("プレビューの画像を開けませんでした。画像を表示するプログラムで次のファイルを"
           "開いてください。\n%1")
            .arg(QString::fromStdString(path))
            .toStdString();
    services_.shell.Open(path, [&boxes = services_.boxes, text] {
        boxes.Show(text, MsgButtons::Ok, MsgIcon::Warning);
    });
}

// More copies than anyone prints would only keep the printer busy for days;
// bounded before rounding, so that a huge number still means the most.
long CopiesFromText(const QString& text) {
    return RoundHalfEven(std::clamp(TextBoxNumber(text), 0.0, static_cast<double>(kMostCopies)));
}

void Form3::Command1_Click() {
    const PrintChoice choice = Choice();
    if (choice.parts.empty()) return;
    const long copies = CopiesFromText(Text1->text());
    std::string pdfPath;
    if (copies > 0 && !services_.printer.HasPrinter()) {
        // No printer on this machine: the pages go to a PDF file.
        auto chosen =
            services_.dialogs.SaveFile({tr("PDFファイル|*.pdf").toStdString(), "pdf", "", ""});
        if (!chosen) return;
        pdfPath = *chosen;
    }
    if (copies > 0) {
        PrintResult result = PrintResult::Failed;
        BackgroundWork work(services_.progressBar);
        work.Run([&](ProgressSink& progress) {
            result = PrintChosen(doc_, choice, static_cast<int>(copies), services_.printer, pdfPath,
                                 &progress);
        });
        // A full bar after the work would pass for work still to finish.
        if (services_.progressBar)
            services_.progressBar->setValue(services_.progressBar->minimum());
        // A failed or cancelled print leaves the dialog open for another try.
        if (result == PrintResult::Cancelled) return;
        if (result == PrintResult::Failed) {
            services_.boxes.Show(PrintFailureMessage(services_.printer, pdfPath), MsgButtons::Ok,
                                 MsgIcon::Warning);
            return;
        }
    }
    accept();
}

// One PDF for each chosen part, or for every part when the content is not
// a choice of parts, each in the layout and paper chosen.
void Form3::cmdPartPdfs_Click() {
    const PrintChoice choice = Choice();
    std::vector<std::uint8_t> parts = choice.parts;
    if (!optChosenParts->isChecked()) {
        parts.clear();
        for (int p = 0; p < doc_.PartCount(); ++p)
            parts.push_back(static_cast<std::uint8_t>(p));
    }
    if (parts.empty()) return;
    // Beside the score, unless PDFs were saved elsewhere before.
    const std::string scoreFolder =
        std::filesystem::path(doc_.SornFileName()).parent_path().string();
    const FileDialogRequest request{"", "pdf",
                                    scoreFolder.empty() ? DocumentsFolder() : scoreFolder, "",
                                    tr("パートごとのPDFを書き出すフォルダ").toStdString()};
    const std::optional<std::string> folder = services_.dialogs.ChooseFolder(request);
    if (!folder) return;
    const std::vector<std::string> names = PartFileNames(doc_, parts);
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back((std::filesystem::path(*folder) / name).string());
    if (!MayReplaceFiles(services_.boxes, paths)) return;

    PrintResult result = PrintResult::Printed;
    std::string failedPath;
    BackgroundWork work(services_.progressBar);
    work.Run([&](ProgressSink& progress) {
        for (std::size_t k = 0; k < parts.size(); ++k) {
            PrintChoice one = choice;
            one.parts = {parts[k]};
            PartProgress share(progress, static_cast<int>(k), static_cast<int>(parts.size()));
            result = PrintChosen(doc_, one, 1, services_.printer, paths[k], &share);
            if (result != PrintResult::Printed) {
                failedPath = paths[k];
                return;
            }
        }
    });
    if (services_.progressBar) services_.progressBar->setValue(services_.progressBar->minimum());
    // The parts written before a failure or a cancel are complete and stay.
    if (result == PrintResult::Cancelled) return;
    if (result == PrintResult::Failed) {
        services_.boxes.Show(PrintFailureMessage(services_.printer, failedPath), MsgButtons::Ok,
                             MsgIcon::Warning);
        return;
    }
    accept();
}

// The parts the content names, set by LilyPond on the chosen paper into a
// PDF beside the score. LilyPond's time is its own: a note says so, and
// Escape stops it.
void Form3::cmdEngrave_Click() {
    const PrintChoice choice = Choice();
    if (choice.parts.empty()) return;
    const std::filesystem::path score(doc_.SornFileName());
    FileDialogRequest request{tr("PDFファイル|*.pdf").toStdString(), "pdf",
                              score.empty() ? DocumentsFolder() : score.parent_path().string(), ""};
    if (!score.empty()) request.presetName = score.parent_path() / (score.stem().string() + ".pdf");
    const std::optional<std::string> path = services_.dialogs.SaveFile(request);
    if (!path) return;
    LilyPondChoice engraved;
    engraved.parts = choice.parts;
    double width = 0, height = 0;
    PaperMm(choice.paper, choice.reading && choice.landscape, width, height);
    engraved.paperWidthMm = static_cast<int>(std::lround(width));
    engraved.paperHeightMm = static_cast<int>(std::lround(height));
    ExportError error;
    lblEngraving->setText(tr("LilyPond で浄書しています… (Esc で中止)"));
    BackgroundWork work(services_.progressBar);
    work.Run(
        [&](ProgressSink& progress) { error = EngraveScore(doc_, engraved, *path, &progress); });
    lblEngraving->clear();
    if (services_.progressBar) services_.progressBar->setValue(services_.progressBar->minimum());
    if (error.Cancelled()) return;
    if (error) {
        services_.boxes.ShowMessage(error.What(), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    accept();
}

} // namespace sorn
