#include "platform/QtPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace sorn {

namespace {
QPageSize::PageSizeId PageSizeOf(PaperSize paper) {
    switch (paper) {
    case PaperSize::A5:
        return QPageSize::A5;
    case PaperSize::B4:
        return QPageSize::B4;
    case PaperSize::B5:
        return QPageSize::B5;
    default:
        return QPageSize::A4;
    }
}
} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
    Abandon();
}

bool QtPrinter::HasPrinter() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPrinter::BeginDocument(PaperSize paper, QSize coordinates, const std::string& pdfPath) {
    Abandon();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(PageSizeOf(paper)));
    printer_->setFullPage(true);
    pdfPath_ = QString::fromStdString(pdfPath);
    if (!pdfPath_.isEmpty()) {
        // A name in the target folder that nobody else uses, for the rename.
        QTemporaryFile temp(QFileInfo(pdfPath_).absolutePath() +
                            QStringLiteral("/.print-XXXXXX.pdf"));
        if (!temp.open()) return false;
        tempPath_ = temp.fileName();
        temp.setAutoRemove(false);
        temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
        temp.close();
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(tempPath_);
    }
    if (!painter_.begin(printer_.get())) {
        Abandon();
        return false;
    }
    coordinates_ = coordinates;
    painter_.setWindow(QRect(QPoint(0, 0), coordinates));
    painter_.setViewport(printer_->pageLayout().fullRectPixels(printer_->resolution()));
    return true;
}

bool QtPrinter::PaintPage(const QImage& page) {
    if (!painter_.isActive()) return false;
    // Handed over as it is: the PDF writer finds the page all grey and
    // stores it so, faster than any conversion made here.
    painter_.drawImage(QRect(QPoint(0, 0), coordinates_), page);
    return true;
}

bool QtPrinter::NewPage() {
    return painter_.isActive() && printer_->newPage();
}

bool QtPrinter::EndDocument() {
    if (!painter_.isActive()) return false;
    const bool ended = painter_.end();
    if (pdfPath_.isEmpty()) return ended;
    const bool renamed = ended && std::rename(QFile::encodeName(tempPath_).constData(),
                                              QFile::encodeName(pdfPath_).constData()) == 0;
    if (!renamed) QFile::remove(tempPath_);
    tempPath_.clear();
    return renamed;
}

void QtPrinter::Abandon() {
    if (painter_.isActive()) painter_.end();
    if (!tempPath_.isEmpty()) QFile::remove(tempPath_);
    tempPath_.clear();
}

} // namespace sorn
