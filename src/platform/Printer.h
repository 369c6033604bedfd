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
    // pdfPath prints copies of it on the default printer, a PDF holds one.
    virtual bool BeginDocument(PaperSize paper, QSize coordinates, int copies,
                               const std::string& pdfPath) = 0;
    // Paints the image stretched over the whole page.
    virtual bool PaintPage(const QImage& page) = 0;
    virtual bool NewPage() = 0;
    // Only a complete document reaches the printer or the PDF's name.
    virtual bool EndDocument() = 0;
    // Drops the document begun; nothing of it is printed or written.
    virtual void AbandonDocument() = 0;
    // Why the last call failed, in Japanese; empty when nobody knows.
    virtual std::string ErrorText() const = 0;
};

} // namespace sorn
