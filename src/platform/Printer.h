#pragma once
// Where printed pages go: the default printer, or a PDF file.

#include "print/PaperSize.h"

#include <QSize>
#include <functional>
#include <string>

namespace sorn {

class Canvas;

// Draws one page in the coordinates the document was begun with.
using PageDrawing = std::function<void(Canvas&)>;

class Printer {
public:
    virtual ~Printer() = default;
    // Without an installed printer the pages go to a PDF file instead.
    virtual bool HasPrinter() const = 0;
    // Starts a document whose pages span (0, 0)..coordinates; an empty
    // pdfPath prints copies of it on the default printer, a PDF holds one.
    virtual bool BeginDocument(PaperSize paper, QSize coordinates, int copies,
                               const std::string& pdfPath) = 0;
    // Names the next document (the print job, the PDF's title).
    virtual void SetTitle(const std::string& /*title*/) {}
    // The next document's author, for a PDF's document information.
    virtual void SetAuthor(const std::string& /*author*/) {}
    // Turns the next document's paper sideways.
    virtual void SetLandscape(bool /*landscape*/) {}
    // Draws the next document's pages inside what the printer can reach
    // rather than over the whole sheet (a PDF reaches the whole sheet).
    virtual void SetFitToPrintable(bool /*fit*/) {}
    // The narrowest margin the printer can print up to, in millimetres.
    virtual double MinimumMarginMm() const { return 0; }
    // Draws the page's coordinates stretched over the whole page.
    virtual bool PaintPage(const PageDrawing& draw) = 0;
    virtual bool NewPage() = 0;
    // Only a complete document reaches the printer or the PDF's name.
    virtual bool EndDocument() = 0;
    // Drops the document begun; nothing of it is printed or written.
    virtual void AbandonDocument() = 0;
    // Why the last call failed, in Japanese; empty when nobody knows.
    virtual std::string ErrorText() const = 0;
};

} // namespace sorn
