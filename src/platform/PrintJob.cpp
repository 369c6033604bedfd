#include "platform/PrintJob.h"

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "platform/GlyphSet.h"
#include "platform/QtCanvas.h"
#include "print/PrintLayout.h"

#include <algorithm>
#include <filesystem>

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

PrintResult PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper,
                      int copies, Printer& printer, const std::string& pdfPath, QImage* image,
                      ProgressSink* progress) {
    ProgressCounter bar(progress);
    const int lastPage =
        image ? RenderPage(doc, part, compact, 0, *image) : LastPrintPage(doc, part, compact);
    if (!pdfPath.empty()) copies = 1;
    printer.SetTitle(std::filesystem::path(doc.SornFileName()).filename().string());
    if (!printer.BeginDocument(paper, QSize(kPageWidth, kPageHeight), copies, pdfPath))
        return PrintResult::Failed;
    bar.StartProgressBar(static_cast<std::int16_t>(std::min(lastPage + 1, 32767)));
    for (int page = 0; page <= lastPage; ++page) {
        if (bar.Cancelled()) {
            printer.AbandonDocument();
            return PrintResult::Cancelled;
        }
        const bool painted = printer.PaintPage(
            [&](Canvas& canvas) { RenderPrintPage(doc, part, compact, page, canvas); });
        if (!painted) return PrintResult::Failed;
        if (!(page == lastPage ? printer.EndDocument() : printer.NewPage()))
            return PrintResult::Failed;
        bar.AddProgressBar();
    }
    return PrintResult::Printed;
}

std::string PrintFailureMessage(const Printer& printer, const std::string& pdfPath) {
    std::string reason = printer.ErrorText();
    if (reason.empty()) reason = "原因はわかりません。";
    if (pdfPath.empty()) return "印刷できませんでした。\n" + reason;
    return "PDF を書き出せませんでした: " + pdfPath + "\n" + reason;
}

} // namespace sorn
