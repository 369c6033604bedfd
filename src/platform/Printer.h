#pragma once
// Where printed pages go: the default printer, or a PDF file.

#include <QImage>
#include <QSize>
#include <string>

namespace sorn {

enum class PaperSize { A4, A5, B4, B5 };

class Printer {
public:
    virtual ~Printer() = default;
    // Without an installed printer the pages go to a PDF file instead.
    virtual bool HasPrinter() const = 0;
    // Starts a document whose pages span (0, 0)..coordinates; an empty
    // pdfPath prints on the default printer.
    virtual bool BeginDocument(PaperSize paper, QSize coordinates, const std::string& pdfPath) = 0;
    // Paints the image stretched over the whole page.
    virtual bool PaintPage(const QImage& page) = 0;
    virtual bool NewPage() = 0;
    virtual bool EndDocument() = 0;
};

} // namespace sorn
