#pragma once

#include "platform/Printer.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

namespace sorn {

// QPrinter on the default printer or into a PDF file. A PDF is written
// aside and renamed over its name only when the document is complete.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    bool HasPrinter() const override;
    bool BeginDocument(PaperSize paper, QSize coordinates, const std::string& pdfPath) override;
    bool PaintPage(const QImage& page) override;
    bool NewPage() override;
    bool EndDocument() override;

private:
    void Abandon();
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QSize coordinates_;
    QString pdfPath_;
    QString tempPath_;
};

} // namespace sorn
