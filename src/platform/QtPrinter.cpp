#include "platform/QtPrinter.h"

#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "platform/GlyphSet.h"
#include "platform/MessageText.h"
#include "platform/PainterCanvas.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cstring>

namespace sorn {

namespace {

// A PDF text string: UTF-16 with its byte order mark, in hexadecimal.
QByteArray PdfText(const std::string& text) {
    const QString s = QString::fromStdString(text);
    QByteArray bytes("<FEFF");
    for (const QChar c : s)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return bytes + ">";
}

// The value after a key in the PDF's last trailer, as text.
QByteArray TrailerValue(const QByteArray& trailer, const char* key) {
    const qsizetype at = trailer.indexOf(key);
    if (at < 0) return {};
    qsizetype from = at + static_cast<qsizetype>(std::strlen(key));
    while (from < trailer.size() && trailer[from] == ' ')
        ++from;
    qsizetype to = from;
    while (to < trailer.size() && trailer[to] != '/' && trailer[to] != '>' && trailer[to] != '\n')
        ++to;
    return trailer.mid(from, to - from).trimmed();
}

} // namespace

QByteArray WithPdfAuthor(const QByteArray& pdf, const std::string& title, const std::string& author,
                         const std::string& creator) {
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt) return pdf;
    const QByteArray trailer = pdf.mid(trailerAt, startAt - trailerAt);
    const QByteArray size = TrailerValue(trailer, "/Size");
    const QByteArray root = TrailerValue(trailer, "/Root");
    const QByteArray previous = pdf.mid(startAt + 9).trimmed().split('\n').value(0).trimmed();
    bool ok = false;
    const int objects = size.toInt(&ok);
    if (!ok || root.isEmpty() || previous.isEmpty()) return pdf;
    QByteArray out = pdf;
    if (!out.endsWith('\n')) out += '\n';
    const qsizetype infoAt = out.size();
    out += QByteArray::number(objects) + " 0 obj\n<<\n/Title " + PdfText(title) + "\n/Author " +
           PdfText(author) + "\n/Creator " + PdfText(creator) + "\n/Producer " + PdfText(creator) +
           "\n>>\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + QByteArray::number(objects) + " 1\n" +
           QByteArray::number(infoAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(objects + 1) + "\n/Root " + root +
           "\n/Info " + QByteArray::number(objects) + " 0 R\n/Prev " + previous +
           "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}

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
        printer->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer->setFullPage(true);
        // The printer makes the copies; the pages travel once.
        printer->setCopyCount(copies);
        printer->setDocName(title);
        device_ = std::move(printer);
    } else {
        pdf_.setData(QByteArray());
        if (!pdf_.open(QIODevice::WriteOnly))
            return Failed(QCoreApplication::translate("sorn::QtPrinter", "メモリが足りません。")
                              .toStdString());
        auto writer = std::make_unique<QPdfWriter>(&pdf_);
        writer->setResolution(kPdfResolution);
        writer->setPageSize(pageSize);
        writer->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
        writer->setPageMargins(QMarginsF());
        writer->setTitle(title);
        writer->setCreator(QString::fromStdString(creator_));
        device_ = std::move(writer);
    }
    if (!painter_.begin(device_.get()))
        return Failed(QCoreApplication::translate("sorn::QtPrinter", "印刷を始められませんでした。")
                          .toStdString());
    coordinates_ = coordinates;
    glyphElements_ = 0;
    const int resolution = device_->logicalDpiX();
    painter_.setWindow(QRect(QPoint(0, 0), coordinates));
    QRect viewport = device_->pageLayout().fullRectPixels(resolution);
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get()); printer && fit_) {
        QPageLayout reachable = printer->pageLayout();
        reachable.setMargins(reachable.minimumMargins());
        viewport = reachable.paintRectPixels(resolution);
    }
    painter_.setViewport(viewport);
    return true;
}

double QtPrinter::MinimumMarginMm() const {
    if (!HasPrinter()) return 0;
    QPageLayout layout = QPrinter(QPrinter::HighResolution).pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    return std::max({m.left(), m.top(), m.right(), m.bottom()});
}

bool QtPrinter::PaintPage(const PageDrawing& draw) {
    if (!painter_.isActive()) return false;
    // Vectors and font outlines, sharp at the printer's resolution.
    PainterCanvas canvas(painter_, static_cast<float>(coordinates_.width()),
                         static_cast<float>(coordinates_.height()), GlyphSet::Shared());
    // Music symbols and numerals are outlines, so that a short score embeds
    // only the fonts of its words; once their outlines have cost about what
    // embedding their two fonts does (each font's character map is read
    // whole), the rest of a long document draws them as characters, a few
    // bytes each. Both look the same.
    constexpr qsizetype kGlyphElementsWorthTheFonts = 8000;
    canvas.SetGlyphsAsText(glyphElements_ > kGlyphElementsWorthTheFonts);
    draw(canvas);
    glyphElements_ += canvas.GlyphElementsDrawn();
    return true;
}

bool QtPrinter::NewPage() {
    if (!painter_.isActive()) return false;
    return device_->newPage() || Failed(QCoreApplication::translate(
                                            "sorn::QtPrinter", "次のページを始められませんでした。")
                                            .toStdString());
}

bool QtPrinter::EndDocument() {
    if (!painter_.isActive()) return false;
    if (!painter_.end())
        return Failed(QCoreApplication::translate("sorn::QtPrinter", "印刷を終えられませんでした。")
                          .toStdString());
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get());
        printer && printer->printerState() == QPrinter::Error)
        return Failed(
            QCoreApplication::translate("sorn::QtPrinter", "プリンタがエラーを返しました。")
                .toStdString());
    device_.reset(); // a PDF writer puts its last bytes into the buffer as it goes
    if (pdfPath_.empty()) return true;
    pdf_.close();
    if (!author_.empty()) pdf_.setData(WithPdfAuthor(pdf_.data(), title_, author_, creator_));
    const QByteArray& bytes = pdf_.data();
    const std::error_code ec =
        AtomicFile::WriteAll(pdfPath_, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    pdf_.setData(QByteArray());
    if (ec) return Failed(Text(ErrorReason(ec, FileAction::Write)).toStdString());
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
