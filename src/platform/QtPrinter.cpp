#include "platform/QtPrinter.h"

#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "platform/GlyphSet.h"
#include "platform/PainterCanvas.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace sorn {

namespace {
// The paper codes of the menu are the Japanese sizes: B4 and B5 are JIS.
QPageSize PageSizeOf(PaperSize paper) {
    switch (paper) {
    case PaperSize::A5:
        return QPageSize(QPageSize::A5);
    case PaperSize::B4:
        return QPageSize(QPageSize::JisB4);
    case PaperSize::B5:
        return QPageSize(QPageSize::JisB5);
    default:
        return QPageSize(QPageSize::A4);
    }
}

constexpr int kPdfResolution = 1200; // what a high-resolution printer gets too
} // namespace

QtPrinter::QtPrinter(std::string creator) : creator_(std::move(creator)) {}

QtPrinter::~QtPrinter() {
    AbandonDocument();
}

bool QtPrinter::HasPrinter() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPrinter::Failed(std::string reason) {
    error_ = std::move(reason);
    AbandonDocument();
    return false;
}

bool QtPrinter::BeginDocument(PaperSize paper, QSize coordinates, int copies,
                              const std::string& pdfPath) {
    AbandonDocument();
    error_.clear();
    pdfPath_ = pdfPath;
    const QPageSize pageSize = PageSizeOf(paper);
    const QString title = QString::fromStdString(title_);
    if (pdfPath_.empty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(pageSize);
        printer->setFullPage(true);
        // The printer makes the copies; the pages travel once.
        printer->setCopyCount(copies);
        printer->setDocName(title);
        device_ = std::move(printer);
    } else {
        pdf_.setData(QByteArray());
        if (!pdf_.open(QIODevice::WriteOnly)) return Failed("メモリが足りません。");
        auto writer = std::make_unique<QPdfWriter>(&pdf_);
        writer->setResolution(kPdfResolution);
        writer->setPageSize(pageSize);
        writer->setPageMargins(QMarginsF());
        writer->setTitle(title);
        writer->setCreator(QString::fromStdString(creator_));
        device_ = std::move(writer);
    }
    if (!painter_.begin(device_.get())) return Failed("印刷を始められませんでした。");
    coordinates_ = coordinates;
    const int resolution = device_->logicalDpiX();
    painter_.setWindow(QRect(QPoint(0, 0), coordinates));
    painter_.setViewport(device_->pageLayout().fullRectPixels(resolution));
    return true;
}

bool QtPrinter::PaintPage(const PageDrawing& draw) {
    if (!painter_.isActive()) return false;
    // Vectors and font outlines, sharp at the printer's resolution.
    PainterCanvas canvas(painter_, static_cast<float>(coordinates_.width()),
                         static_cast<float>(coordinates_.height()), GlyphSet::Shared());
    draw(canvas);
    return true;
}

bool QtPrinter::NewPage() {
    if (!painter_.isActive()) return false;
    return device_->newPage() || Failed("次のページを始められませんでした。");
}

bool QtPrinter::EndDocument() {
    if (!painter_.isActive()) return false;
    if (!painter_.end()) return Failed("印刷を終えられませんでした。");
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get());
        printer && printer->printerState() == QPrinter::Error)
        return Failed("プリンタがエラーを返しました。");
    device_.reset(); // a PDF writer puts its last bytes into the buffer as it goes
    if (pdfPath_.empty()) return true;
    pdf_.close();
    const QByteArray& bytes = pdf_.data();
    const std::error_code ec =
        AtomicFile::WriteAll(pdfPath_, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    pdf_.setData(QByteArray());
    if (ec) return Failed(ErrorReason(ec, FileAction::Write));
    return true;
}

void QtPrinter::AbandonDocument() {
    if (painter_.isActive()) {
        if (auto* printer = dynamic_cast<QPrinter*>(device_.get())) printer->abort();
        painter_.end();
    }
    device_.reset();
    if (pdf_.isOpen()) pdf_.close();
    pdf_.setData(QByteArray());
}
} // namespace sorn
