// The print preview dialog and printing to a printer or a PDF file.

#include "EditorFixture.h"
#include "app/Batch.h"
#include "dialogs/Form3.h"
#include "model/SymbolCodes.h"
#include "platform/PrintJob.h"
#include "platform/QtPrinter.h"
#include "support/Examples.h"
#include "support/RecordingPrinter.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace sorn::test {
namespace {

// 13 rows of notes on every other position in each part: two pages, one
// when closed up.
SornData ThirteenRows(int parts = 1) {
    SornData doc;
    doc.FileNew();
    doc.SetLength(13 * 30 - 1);
    for (int p = 0; p < parts; ++p) {
        if (p > 0) doc.AddPart();
        for (int i = 0; i < 13 * 30; i += 2)
            doc.SetGData1(static_cast<std::uint8_t>(p), i, 0, Kind::QuarterNote, 128);
    }
    return doc;
}

struct Dialog {
    explicit Dialog(int parts = 1) : doc(ThirteenRows(parts)) {}
    FreshSettings settings;
    SornData doc;
    RecordingPrinter printer;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    ScriptedMessageBoxes boxes;
    TempDir dir;
    Form3 form{doc, 0, PrintServices{printer, dialogs, shell, boxes}};
};

TEST(PrintDialog, OpensWithThePageCountAndA4) {
    Dialog d;
    EXPECT_EQ(d.form.windowTitle(), QStringLiteral("印刷プレビュー"));
    EXPECT_EQ(d.form.Label5->text(), QStringLiteral("2ページ"));
    EXPECT_EQ(d.form.Label1->text(), QStringLiteral("12段"));
    EXPECT_EQ(d.form.Label2->text(), QStringLiteral("30"));
    EXPECT_EQ(d.form.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(d.form.Combo1->count(), 4);
    EXPECT_EQ(d.form.Combo1->currentText(), QStringLiteral("A4"));
    EXPECT_FALSE(d.form.Combo1->isEditable());
    EXPECT_EQ(d.form.PageImage().size(), QSize(1240, 1448));
    ASSERT_FALSE(d.form.Picture2->pixmap().isNull());
}

TEST(PrintDialog, ClosingUpRecountsAtOnce) {
    Dialog d;
    d.form.chkKuhaku->setChecked(true);
    EXPECT_EQ(d.form.Label5->text(), QStringLiteral("1ページ"));
    d.form.chkKuhaku->setChecked(false);
    EXPECT_EQ(d.form.Label5->text(), QStringLiteral("2ページ"));
}

TEST(PrintDialog, ThePrinterMakesTheCopiesOfOneDocument) {
    Dialog d;
    d.form.Text1->setText(QStringLiteral("2"));
    d.form.Combo1->setCurrentText(QStringLiteral("B5"));
    d.form.Command1->click();
    EXPECT_EQ(d.printer.calls,
              (std::vector<std::string>{"begin B5 1240x1448 copies 2", "page 1240x1448", "new page",
                                        "page 1240x1448", "end"}));
    EXPECT_EQ(d.form.result(), QDialog::Accepted);
}

// The copies box reads its leading number as the tempo box does.
TEST(PrintDialog, CopiesAreTheLeadingNumberAndNoCopiesPrintNothing) {
    for (const char* copies : {"0", "abc", "-3"}) {
        Dialog d;
        d.form.Text1->setText(QString::fromLatin1(copies));
        d.form.Command1->click();
        EXPECT_TRUE(d.printer.calls.empty()) << copies;
        EXPECT_EQ(d.form.result(), QDialog::Accepted);
    }
    Dialog d; // full-width digits are digits
    d.form.Text1->setText(QStringLiteral("２"));
    d.form.Command1->click();
    ASSERT_FALSE(d.printer.calls.empty());
    EXPECT_EQ(d.printer.calls.front(), "begin A4 1240x1448 copies 2");

    // " 2.5 部" rounds to an even 2; a number past the most prints the most.
    const std::pair<const char*, long> copies[] = {
        {" 2.5部", 2}, {"３部", 3}, {"-3", 0}, {"1000", 999}, {"99999999999999999999", 999}};
    for (auto [text, expected] : copies)
        EXPECT_EQ(CopiesFromText(QString::fromUtf8(text)), expected) << text;
}

TEST(PrintDialog, FailingPrinterSaysWhyAndLeavesTheDialogOpen) {
    Dialog d;
    d.printer.failAtCall = 2;
    d.form.Command1->click();
    EXPECT_EQ(d.printer.calls.size(), 3u);
    EXPECT_EQ(d.form.result(), 0);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text, "印刷できませんでした。\n紙がありません。");
}

TEST(PrintDialog, WithoutAPrinterTheCopiesGoIntoOnePdf) {
    Dialog d;
    d.printer.installed = false;
    d.dialogs.answers = {std::nullopt};
    d.form.Command1->click();
    EXPECT_TRUE(d.printer.calls.empty());
    EXPECT_EQ(d.form.result(), 0);
    ASSERT_EQ(d.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(d.dialogs.saveRequests[0].filter, "PDFファイル|*.pdf");

    // Copies of the same pages in one file would only fill the disk: one copy.
    d.dialogs.answers = {d.dir.File("part.pdf")};
    d.form.Text1->setText(QStringLiteral("20"));
    d.form.Command1->click();
    ASSERT_FALSE(d.printer.calls.empty());
    EXPECT_EQ(d.printer.calls.front(), "begin A4 1240x1448 " + d.dir.File("part.pdf"));
    EXPECT_EQ(std::count(d.printer.calls.begin(), d.printer.calls.end(), "end"), 1);
    EXPECT_EQ(std::count(d.printer.calls.begin(), d.printer.calls.end(), "page 1240x1448"), 2);

    // A PDF that could not be written says which and why; the dialog stays.
    d.printer.calls.clear();
    d.printer.failAtCall = 4;
    d.dialogs.answers = {d.dir.File("part.pdf")};
    d.form.Command1->click();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text,
              "PDF を書き出せませんでした: " + d.dir.File("part.pdf") + "\n紙がありません。");
}

TEST(PrintDialog, PreviewOpensTheLastRenderedPage) {
    Dialog d;
    d.form.Command3->click();
    ASSERT_EQ(d.shell.opened.size(), 1u);
    EXPECT_EQ(d.shell.opened[0], d.form.PreviewImagePath());
    EXPECT_NE(d.shell.opened[0].find("/GImage-"), std::string::npos);
    QImage saved(QString::fromStdString(d.shell.opened[0]));
    EXPECT_EQ(saved.size(), QSize(1240, 1448));
    EXPECT_TRUE(d.boxes.shown.empty());

    // Without an image viewer the user is told where the image is.
    d.shell.succeeds = false;
    d.form.Command3->click();
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].text,
              "プレビューの画像を開けませんでした。画像を表示するプログラムで"
              "次のファイルを開いてください。\n" +
                  d.form.PreviewImagePath());
}

TEST(PrintDialog, RemembersClosingUpAndThePaper) {
    Dialog d;
    d.form.chkKuhaku->setChecked(true);
    d.form.Combo1->setCurrentText(QStringLiteral("B5"));
    Form3 again{d.doc, 0, PrintServices{d.printer, d.dialogs, d.shell, d.boxes}};
    EXPECT_TRUE(again.chkKuhaku->isChecked());
    EXPECT_EQ(again.Label5->text(), QStringLiteral("1ページ"));
    EXPECT_EQ(again.Combo1->currentText(), QStringLiteral("B5"));
}

// The score laid out for reading, sideways with wider margins on B5: the
// reading pages are printed, paged through first, and every choice is
// there again next time; chosen parts only while the parts are the same.
TEST(PrintDialog, ScoreForReadingPrintsItsPagesAndTheChoicesComeBack) {
    Dialog d(3);
    d.form.optChosenParts->setChecked(true);
    EXPECT_TRUE(d.form.optReadingLayout->isChecked());
    EXPECT_FALSE(d.form.optOriginalLayout->isEnabled());
    EXPECT_FALSE(d.form.chkKuhaku->isEnabled());
    d.form.lstParts->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d.form.Command1->isEnabled()); // no part, nothing to print
    EXPECT_FALSE(d.form.cmdPartPdfs->isEnabled());
    d.form.lstParts->item(2)->setCheckState(Qt::Checked);
    d.form.optFullScore->setChecked(true);
    d.form.optLandscape->setChecked(true);
    d.form.spnMargin->setValue(20);
    d.form.Combo1->setCurrentText(QStringLiteral("B5"));

    PrintChoice score;
    score.parts = {0, 1, 2};
    score.reading = true;
    score.paper = PaperSize::B5;
    score.landscape = true;
    score.marginMm = 20;
    const PrintPages pages(d.doc, score);
    const QSize size = pages.Coordinates();
    ASSERT_GT(size.width(), size.height());
    ASSERT_GT(pages.PageCount(), 1);
    const QString count = QString::number(pages.PageCount());
    EXPECT_EQ(d.form.Label5->text(), count + QStringLiteral("ページ"));
    EXPECT_EQ(d.form.lblPageOf->text(), QStringLiteral("1 / ") + count + QStringLiteral(" ページ"));
    d.form.cmdNextPage->click();
    EXPECT_EQ(d.form.lblPageOf->text(), QStringLiteral("2 / ") + count + QStringLiteral(" ページ"));
    const QSize shown = d.form.Picture2->pixmap().size();
    EXPECT_NEAR(shown.width() * size.height(), shown.height() * size.width(), size.width());

    d.form.Command1->click();
    const std::string page =
        "page " + std::to_string(size.width()) + "x" + std::to_string(size.height());
    std::vector<std::string> expected{"begin B5 " + page.substr(5)};
    for (int k = 0; k < pages.PageCount(); ++k) {
        expected.push_back(page);
        expected.push_back(k + 1 < pages.PageCount() ? "new page" : "end");
    }
    EXPECT_EQ(d.printer.calls, expected);
    EXPECT_EQ(d.form.result(), QDialog::Accepted);

    Form3 again{d.doc, 0, PrintServices{d.printer, d.dialogs, d.shell, d.boxes}};
    EXPECT_TRUE(again.optFullScore->isChecked());
    EXPECT_TRUE(again.optReadingLayout->isChecked());
    EXPECT_TRUE(again.optLandscape->isChecked());
    EXPECT_EQ(again.spnMargin->value(), 20);
    EXPECT_EQ(again.Combo1->currentText(), QStringLiteral("B5"));
    EXPECT_EQ(again.Label5->text(), count + QStringLiteral("ページ"));
    EXPECT_EQ(again.lstParts->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(again.lstParts->item(2)->checkState(), Qt::Checked);
    const SornData two = ThirteenRows(2);
    Form3 other{two, 1, PrintServices{d.printer, d.dialogs, d.shell, d.boxes}};
    EXPECT_EQ(other.lstParts->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(other.lstParts->item(1)->checkState(), Qt::Checked);
}

// One real PDF per part, named after the part, into the chosen folder;
// files already there are replaced only when the user says so; a folder
// that cannot take them says which file and stops.
TEST(PrintDialog, PartPdfsOnePerPartIntoAFolder) {
    FreshSettings settings;
    SornData doc = ThirteenRows(3);
    doc.SetPartText(0, PartText::Name, "ソプラノ");
    doc.SetPartText(1, PartText::Name, "ソプラノ");
    QtPrinter printer;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    ScriptedMessageBoxes boxes;
    TempDir dir;
    const std::vector<std::string> names = PartFileNames(doc, {0, 1, 2});
    ASSERT_EQ(names[1], "ソプラノ (2).pdf");
    const auto startsAsPdf = [&](const std::string& name) {
        const auto bytes = ReadBytes(dir.File(name));
        return bytes.size() > 4 && std::string(bytes.begin(), bytes.begin() + 4) == "%PDF";
    };

    Form3 form{doc, 0, PrintServices{printer, dialogs, shell, boxes}};
    form.optFullScore->setChecked(true);
    dialogs.answers = {dir.Path().string()};
    form.cmdPartPdfs->click();
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_TRUE(boxes.shown.empty());
    for (const std::string& name : names)
        EXPECT_TRUE(startsAsPdf(name)) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
    EXPECT_EQ(form.result(), QDialog::Accepted);

    WriteBytes(dir.File(names[0]), {'o', 'l', 'd'});
    std::filesystem::remove(dir.File(names[2]));
    Form3 chosen{doc, 0, PrintServices{printer, dialogs, shell, boxes}};
    chosen.optChosenParts->setChecked(true);
    chosen.lstParts->item(2)->setCheckState(Qt::Checked);
    dialogs.answers = {dir.Path().string()};
    boxes.answers = {MsgResult::No};
    chosen.cmdPartPdfs->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "次のファイルはもうあります。置き換えますか?\n" + names[0]);
    EXPECT_EQ(ReadBytes(dir.File(names[0])).size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(dir.File(names[2])));
    dialogs.answers = {dir.Path().string()};
    boxes.answers = {MsgResult::Yes};
    chosen.cmdPartPdfs->click();
    EXPECT_TRUE(startsAsPdf(names[0]));
    EXPECT_TRUE(startsAsPdf(names[2]));

    boxes.shown.clear();
    const std::string missing = dir.File("gone");
    dialogs.answers = {missing};
    Form3 failing{doc, 0, PrintServices{printer, dialogs, shell, boxes}};
    failing.cmdPartPdfs->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(
        boxes.shown[0].text.rfind("PDF を書き出せませんでした: " + missing + "/" + names[0], 0), 0u)
        << boxes.shown[0].text;
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(failing.result(), 0);
}

TEST(PrintDialog, FromTheFileMenu) {
    Editor e;
    RecordingPrinter printer;
    e.form->UsePrinter(printer);
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<Form3*>(QApplication::activeModalWidget()))
            dialog->Command1->click();
    });
    e.form->mnuFilePrint->trigger();
    EXPECT_EQ(printer.calls.front(), "begin A4 1240x1448");
    EXPECT_FALSE(e.state().ScoreModified);
}

// The real PDF of an example: its pages and their paper size.
// Vector pages on every paper: no image, the font of its words inside and
// no other (the symbols are outlines), the page sizes
// in points (B4 and B5 are the JIS sizes), the score's name as the title.
TEST(PrintPdf, ExampleScoreOnEveryPaper) {
    TempDir dir;
    const std::string example = Example();
    const std::pair<const char*, const char*> papers[] = {{"A4", "/MediaBox [0 0 595.0"},
                                                          {"A5", "/MediaBox [0 0 420.0"},
                                                          {"B4", "/MediaBox [0 0 729.0"},
                                                          {"B5", "/MediaBox [0 0 516.0"}};
    for (const auto& [paper, mediaBox] : papers) {
        std::ostringstream out, err;
        const std::string file = dir.File(std::string(paper) + ".pdf");
        ASSERT_EQ(RunBatch({"--print-pdf", file, "--paper", paper, example}, out, err), 0)
            << err.str();
        const auto bytes = ReadBytes(file);
        const std::string pdf(bytes.begin(), bytes.end());
        const std::regex page("/Type\\s*/Page[^s]");
        EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}), 1);
        EXPECT_NE(pdf.find(mediaBox), std::string::npos) << paper;
        EXPECT_FALSE(std::regex_search(pdf, std::regex("/Subtype\\s*/Image"))) << paper;
        const std::regex font("/FontFile2");
        EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), font), {}), 1);
        EXPECT_LT(bytes.size(), 60u * 1024) << paper;
        const std::u16string title = u"kirakira.sorn";
        std::string utf16;
        for (char16_t c : title)
            utf16 += {'\0', static_cast<char>(c)};
        EXPECT_NE(pdf.find(utf16), std::string::npos);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4);

    std::ostringstream out, err;
    ASSERT_EQ(RunBatch({"-o", dir.File("p.png"), "--page", "1", example}, out, err), 0);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("p.png"))).size(), QSize(1240, 1448));
    ASSERT_EQ(RunBatch({"-o", dir.File("p.svg"), "--scale", "2", example}, out, err), 0);
    ASSERT_EQ(RunBatch({"--render-view", dir.File("v.png"), "--scale", "2", "--no-cursor", example},
                       out, err),
              0);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("v.png"))).size(), QSize(1258, 310));
    EXPECT_EQ(RunBatch({"--render-view", dir.File("w.png"), "--scale", "0", example}, out, err), 2);
    EXPECT_EQ(RunBatch({"--render-page", dir.File("q.png"), "--page", "9", example}, out, err), 1);
}

} // namespace
} // namespace sorn::test
