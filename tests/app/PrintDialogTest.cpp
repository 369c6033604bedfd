// The print preview dialog and printing to a printer or a PDF file.

#include "EditorFixture.h"
#include "app/Batch.h"
#include "dialogs/Form3.h"
#include "model/SymbolCodes.h"
#include "support/Examples.h"
#include "support/RecordingPrinter.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace sorn::test {
namespace {

// 13 rows of notes on every other position: two pages, one when closed up.
SornData ThirteenRows() {
    SornData doc;
    doc.FileNew();
    doc.SetLength(13 * 30 - 1);
    for (int i = 0; i < 13 * 30; i += 2)
        doc.SetGData1(0, i, 0, Kind::QuarterNote, 128);
    return doc;
}

struct Dialog {
    FreshSettings settings;
    SornData doc = ThirteenRows();
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
// Vector pages on every paper: no image, the fonts inside, the page sizes
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
        EXPECT_GE(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), font), {}), 2);
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
