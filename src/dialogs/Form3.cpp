#include "dialogs/Form3.h"

#include "dialogs/TextBoxNumber.h"
#include "model/AtomicFile.h"
#include "model/LeadingNumber.h"
#include "model/MessageBoxes.h"
#include "platform/BackgroundWork.h"
#include "platform/DataFolder.h"
#include "platform/EditorSettings.h"
#include "platform/FileDialogs.h"
#include "platform/PrintJob.h"
#include "platform/Shell.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace sorn {

namespace {
constexpr QSize kPreviewSize(300, 350);
constexpr long kMostCopies = 999;
const QString kCloseUpSetting = QStringLiteral("print/closeUpBlanks");
const QString kPaperSetting = QStringLiteral("print/paper");

struct Paper {
    const char* name;
    PaperSize size;
};
constexpr std::array<Paper, 4> kPapers = {
    {{"A4", PaperSize::A4}, {"A5", PaperSize::A5}, {"B4", PaperSize::B4}, {"B5", PaperSize::B5}}};
} // namespace

Form3::Form3(const SornData& doc, std::uint8_t part, PrintServices services, QWidget* parent)
    : QDialog(parent), doc_(doc), part_(part), services_(std::move(services)),
      page_(NewPageImage()) {
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    Picture2 = new QLabel(this);
    Picture2->setFixedSize(kPreviewSize);
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setStyleSheet(QStringLiteral("background: white"));
    Label1 = new QLabel(QStringLiteral("12段"), this);
    Label4 = new QLabel(QStringLiteral("1段の音符の数"), this);
    Label2 = new QLabel(QStringLiteral("30"), this);
    Label5 = new QLabel(QStringLiteral("ページ"), this);
    Command3 = new QPushButton(QStringLiteral("プレビューの表示"), this);
    Label3 = new QLabel(QStringLiteral("部数"), this);
    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text1->setMaximumWidth(70);
    Label6 = new QLabel(QStringLiteral("全てのページを印刷"), this);
    Combo1 = new QComboBox(this); // a list to choose from, not to type into
    chkKuhaku = new QCheckBox(QStringLiteral("空白を詰める"), this);
    // Closing up and the paper are remembered from the last time.
    const EditorSettings remembered;
    chkKuhaku->setChecked(remembered.value(kCloseUpSetting, false).toBool());
    Command1 = new QPushButton(QStringLiteral("印刷開始"), this);
    Command4 = new QPushButton(QStringLiteral("キャンセル"), this);
    Command1->setDefault(true);

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
    settings->addWidget(chkKuhaku, 7, 0, 1, 2);
    settings->setRowStretch(8, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);
    auto* right = new QVBoxLayout;
    right->addLayout(settings);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Picture2);
    layout->addLayout(right);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkKuhaku, &QCheckBox::toggled, this, &Form3::UpdatePageCount);

    UpdatePageCount(); // also makes the glyphs here, before printing draws on another thread
    for (const Paper& paper : kPapers)
        Combo1->addItem(QString::fromLatin1(paper.name));
    Combo1->setCurrentIndex(
        std::max(Combo1->findText(remembered.value(kPaperSetting).toString()), 0));
    connect(chkKuhaku, &QCheckBox::toggled, this,
            [](bool on) { EditorSettings().setValue(kCloseUpSetting, on); });
    connect(Combo1, &QComboBox::currentTextChanged, this,
            [](const QString& name) { EditorSettings().setValue(kPaperSetting, name); });
}

int Form3::RenderPrintPage(int page) {
    const int last = RenderPage(doc_, part_, chkKuhaku->isChecked(), page, page_);
    // The whole page stretched into the whole preview box.
    Picture2->setPixmap(QPixmap::fromImage(page_.scaled(
        Picture2->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return last;
}

void Form3::UpdatePageCount() {
    lastPage_ = RenderPrintPage(0);
    Label5->setText(QString::number(lastPage_ + 1) + QStringLiteral("ページ"));
}

std::string Form3::PreviewImagePath() const {
    return ScratchFile("GImage.bmp");
}

void Form3::Command3_Click() {
    const std::string path = PreviewImagePath();
    if (path.empty()) return;
    QBuffer bmp;
    bmp.open(QIODevice::WriteOnly);
    if (!page_.save(&bmp, "BMP")) return;
    if (AtomicFile::WriteAll(path, bmp.data().constData(), static_cast<std::size_t>(bmp.size())))
        return;
    // The dialog may have closed by the time the desktop answers.
    services_.shell.Open(path, [&boxes = services_.boxes, path] {
        boxes.Show("プレビューの画像を開けませんでした。画像を表示するプログラムで次のファイルを"
                   "開いてください。\n" +
                       path,
                   MsgButtons::Ok, MsgIcon::Warning);
    });
}

// More copies than anyone prints would only keep the printer busy for days;
// bounded before rounding, so that a huge number still means the most.
long CopiesFromText(const QString& text) {
    return RoundHalfEven(std::clamp(TextBoxNumber(text), 0.0, static_cast<double>(kMostCopies)));
}

void Form3::Command1_Click() {
    const QString paperName = Combo1->currentText();
    const Paper* paper = nullptr;
    for (const Paper& p : kPapers)
        if (paperName == QLatin1String(p.name)) paper = &p;
    if (!paper) return;
    const long copies = CopiesFromText(Text1->text());
    std::string pdfPath;
    if (copies > 0 && !services_.printer.HasPrinter()) {
        // No printer on this machine: the pages go to a PDF file.
        auto chosen = services_.dialogs.SaveFile({"PDFファイル|*.pdf", "pdf", "", ""});
        if (!chosen) return;
        pdfPath = *chosen;
    }
    if (copies > 0) {
        PrintResult result = PrintResult::Failed;
        const bool compact = chkKuhaku->isChecked();
        BackgroundWork work(services_.progressBar);
        work.Run([&](ProgressSink& progress) {
            result = PrintPart(doc_, part_, compact, paper->size, static_cast<int>(copies),
                               services_.printer, pdfPath, &page_, &progress);
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

} // namespace sorn
