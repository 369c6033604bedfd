#include "platform/PrintJob.h"

#include "platform/GlyphSet.h"
#include "platform/QtCanvas.h"
#include "print/PrintLayout.h"

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

bool PrintPart(const SornData& doc, std::uint8_t part, bool compact, PaperSize paper, int copies,
               Printer& printer, const std::string& pdfPath, QImage& image) {
    const int lastPage = RenderPage(doc, part, compact, 0, image);
    const bool toPdf = !pdfPath.empty();
    for (int copy = 1; copy <= copies; ++copy) {
        // A printer gets a document per copy; a PDF file holds them all.
        if ((copy == 1 || !toPdf) &&
            !printer.BeginDocument(paper, QSize(kPageWidth, kPageHeight), pdfPath))
            return false;
        for (int page = 0; page <= lastPage; ++page) {
            RenderPage(doc, part, compact, page, image);
            if (!printer.PaintPage(image)) return false;
            const bool documentEnds = page == lastPage && (!toPdf || copy == copies);
            if (!(documentEnds ? printer.EndDocument() : printer.NewPage())) return false;
        }
    }
    return true;
}

} // namespace sorn
