#pragma once

#include "platform/Printer.h"

#include <QBuffer>
#include <QPainter>
#include <memory>

class QPagedPaintDevice;

namespace sorn {

// A PDF's document information given again with the author, which the PDF
// writer has no field for: appended as an update, so nothing before moves.
QByteArray WithPdfAuthor(const QByteArray& pdf, const std::string& title, const std::string& author,
                         const std::string& creator);

// QPrinter on the default printer, or QPdfWriter into memory for a PDF
// file: the file is written by the program's one writer once the document
// is complete, so a failure leaves any older file as it was.
class QtPrinter : public Printer {
public:
    // `creator` goes into every PDF's document information.
    explicit QtPrinter(std::string creator = {});
    ~QtPrinter() override;
    bool HasPrinter() const override;
    bool BeginDocument(PaperSize paper, QSize coordinates, int copies,
                       const std::string& pdfPath) override;
    void SetTitle(const std::string& title) override { title_ = title; }
    void SetAuthor(const std::string& author) override { author_ = author; }
    void SetLandscape(bool landscape) override { landscape_ = landscape; }
    void SetFitToPrintable(bool fit) override { fit_ = fit; }
    double MinimumMarginMm() const override;
    bool PaintPage(const PageDrawing& draw) override;
    bool NewPage() override;
    bool EndDocument() override;
    void AbandonDocument() override;
    std::string ErrorText() const override { return error_; }

private:
    bool Failed(std::string reason);

    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
    QBuffer pdf_;
    QSize coordinates_;
    qsizetype glyphElements_ = 0; // glyph outline elements drawn in the document
    std::string pdfPath_;
    std::string creator_;
    std::string title_;
    std::string author_;
    std::string error_;
    bool landscape_ = false;
    bool fit_ = false;
};

} // namespace sorn
