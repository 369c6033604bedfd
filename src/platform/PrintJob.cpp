#include "platform/PrintJob.h"

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "platform/GlyphSet.h"
#include "platform/PainterCanvas.h"
#include "platform/QtCanvas.h"
#include "print/PrintLayout.h"
#include "print/ReadingLayout.h"
#include "sound/InstrumentNames.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <filesystem>
#include <set>

namespace sorn {

QImage NewPageImage() {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int RenderPage(const SornData& doc, std::uint8_t part, bool compact, int page, QImage& image) {
    QtCanvas canvas(image, GlyphSet::Shared());
    return RenderPrintPage(doc, part, compact, page, canvas);
}

void PaperMm(PaperSize paper, bool landscape, double& width, double& height) {
    switch (paper) {
    case PaperSize::A5:
        width = 148, height = 210;
        break;
    case PaperSize::B4:
        width = 257, height = 364;
        break;
    case PaperSize::B5:
        width = 182, height = 257;
        break;
    default:
        width = 210, height = 297;
        break;
    }
    if (landscape) std::swap(width, height);
}

PrintPages::PrintPages(const SornData& doc, const PrintChoice& choice) : choice_(choice) {
    if (choice_.parts.empty()) choice_.parts = {0};
    if (!choice_.reading) {
        original_ = std::make_unique<OriginalPages>(doc, choice_.parts[0], choice_.compact);
        pageCount_ = original_->PageCount();
        return;
    }
    PageGeometry page;
    PaperMm(choice_.paper, choice_.landscape, page.widthMm, page.heightMm);
    page.marginMm = choice_.marginMm;
    // Text is measured as the pages will draw it.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    PainterCanvas measure(painter, 1, 1, GlyphSet::Shared());
    reading_ = std::make_unique<ReadingLayout>(doc, choice_.parts, page, measure);
    pageCount_ = reading_->PageCount();
}

PrintPages::~PrintPages() = default;

QSize PrintPages::Coordinates() const {
    if (!reading_) return {kPageWidth, kPageHeight};
    return {static_cast<int>(reading_->Width()), static_cast<int>(reading_->Height())};
}

void PrintPages::Draw(int page, Canvas& canvas) const {
    if (reading_)
        reading_->DrawPage(page, canvas);
    else
        original_->Draw(page, canvas);
}

QImage PrintPages::Picture(int page, int width) const {
    const QSize size = Coordinates();
    const double scale = static_cast<double>(width) / size.width();
    QImage image(width, static_cast<int>(size.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    {
        PainterCanvas canvas(painter, static_cast<float>(size.width()),
                             static_cast<float>(size.height()), GlyphSet::Shared());
        Draw(page, canvas);
    }
    return image;
}

namespace {

PrintResult PrintEveryPage(const SornData& doc, const PrintPages& pages, const PrintChoice& choice,
                           int copies, Printer& printer, const std::string& pdfPath,
                           ProgressSink* progress) {
    ProgressCounter bar(progress);
    const int lastPage = pages.PageCount() - 1;
    if (!pdfPath.empty()) copies = 1;
    const std::string& title = doc.Text(ScoreText::Title);
    printer.SetTitle(
        !title.empty() ? title : std::filesystem::path(doc.SornFileName()).filename().string());
    std::string author = doc.Text(ScoreText::Composer);
    if (const std::string& lyricist = doc.Text(ScoreText::Lyricist); !lyricist.empty())
        author += (author.empty() ? "" : ", ") + lyricist;
    printer.SetAuthor(author);
    printer.SetLandscape(choice.reading && choice.landscape);
    // The original page runs to the sheet's edges, which a printer cannot
    // reach: it is fitted inside; the reading layout keeps margins anyway.
    printer.SetFitToPrintable(!choice.reading);
    if (!printer.BeginDocument(choice.paper, pages.Coordinates(), copies, pdfPath))
        return PrintResult::Failed;
    bar.StartProgressBar(static_cast<std::int16_t>(std::min(lastPage + 1, 32767)));
    for (int page = 0; page <= lastPage; ++page) {
        if (bar.Cancelled()) {
            printer.AbandonDocument();
            return PrintResult::Cancelled;
        }
        const bool painted = printer.PaintPage([&](Canvas& canvas) { pages.Draw(page, canvas); });
        if (!painted) return PrintResult::Failed;
        if (!(page == lastPage ? printer.EndDocument() : printer.NewPage()))
            return PrintResult::Failed;
        bar.AddProgressBar();
    }
    return PrintResult::Printed;
}

} // namespace

PrintResult PrintChosen(const SornData& doc, const PrintChoice& choice, int copies,
                        Printer& printer, const std::string& pdfPath, ProgressSink* progress) {
    PrintChoice fitted = choice;
    // A margin narrower than the printer reaches would cut the music.
    if (pdfPath.empty()) fitted.marginMm = std::max(fitted.marginMm, printer.MinimumMarginMm());
    const PrintPages pages(doc, fitted);
    return PrintEveryPage(doc, pages, fitted, copies, printer, pdfPath, progress);
}

PrintResult PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper,
                      int copies, Printer& printer, const std::string& pdfPath, QImage* image,
                      ProgressSink* progress) {
    PrintChoice choice;
    choice.parts = {part};
    choice.compact = compact;
    choice.paper = paper;
    // Laid out once for the picture and the pages; no margin to fit.
    const PrintPages pages(doc, choice);
    if (image) {
        QtCanvas canvas(*image, GlyphSet::Shared());
        pages.Draw(0, canvas);
    }
    return PrintEveryPage(doc, pages, choice, copies, printer, pdfPath, progress);
}

std::string PrintFailureMessage(const Printer& printer, const std::string& pdfPath) {
    std::string reason = printer.ErrorText();
    if (reason.empty())
        reason =
            QCoreApplication::translate("sorn::PrintJob", "原因はわかりません。").toStdString();
    const QString why = QString::fromStdString(reason);
    if (pdfPath.empty())
        return QCoreApplication::translate("sorn::PrintJob", "印刷できませんでした。\n%1")
            .arg(why)
            .toStdString();
    return QCoreApplication::translate("sorn::PrintJob", "PDF を書き出せませんでした: %1\n%2")
        .arg(QString::fromStdString(pdfPath), why)
        .toStdString();
}

std::vector<std::string> PartFileNames(const SornData& doc, const std::vector<std::uint8_t>& parts,
                                       const std::string& extension) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const std::uint8_t p : parts) {
        std::string name = doc.GetPartText(p, PartText::Name);
        if (name.empty()) name = std::string(InstrumentName(doc.GetInstrumentNumber(p) + 1));
        // Nothing that would leave the folder or trouble a file system.
        for (char& c : name)
            if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
                c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20)
                c = '_';
        if (name.empty() || name == "." || name == "..") name = "part";
        const std::string& base = name;
        std::string chosen = base + extension;
        for (int k = 2; taken.count(chosen) != 0; ++k)
            chosen = base + " (" + std::to_string(k) + ")" + extension;
        taken.insert(chosen);
        names.push_back(chosen);
    }
    return names;
}

} // namespace sorn
