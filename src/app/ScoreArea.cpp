#include "app/ScoreArea.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cstdint>
#include <cstring>

namespace sorn {

namespace {
// Sixteen bytes (four pixels) widened to sixteen-bit lanes, where a channel
// times a factor (at most 255 * 255 + 255 + 0x80) still fits.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Words16 = std::uint16_t __attribute__((vector_size(32)));

constexpr unsigned Times(unsigned channel, unsigned by) {
    const unsigned x = channel * by;
    return (x + (x >> 8) + 0x80) >> 8;
}
} // namespace

void TintPixels(QImage& image, const QRect& area, QRgb tint) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return;
    // The factors and the opaque alpha in the pixels' byte order, whatever
    // the machine's.
    const QRgb factors = qRgba(qRed(tint), qGreen(tint), qBlue(tint), 255);
    const QRgb opaque = qRgba(0, 0, 0, 255);
    std::uint8_t by[4], keep[4];
    std::memcpy(by, &factors, 4);
    std::memcpy(keep, &opaque, 4);
    Words16 byLanes;
    Bytes16 keepLanes;
    for (int i = 0; i < 16; ++i) {
        byLanes[i] = by[i % 4];
        keepLanes[i] = keep[i % 4];
    }
    const auto tinted = [&](Bytes16 in) {
        const Words16 x = __builtin_convertvector(in, Words16) * byLanes;
        return __builtin_convertvector((x + (x >> 8) + 0x80) >> 8, Bytes16) | keepLanes;
    };
    // Most of a page is paper: four white pixels take the white's tint at
    // once, the same bytes the multiplication gives them.
    const Bytes16 white = Bytes16{} - 1;
    const Bytes16 whiteTinted = tinted(white);
    const int bytes = 4 * r.width();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::uint8_t* row = image.scanLine(y) + 4 * r.left();
        int i = 0;
        for (; i + 16 <= bytes; i += 16) {
            Bytes16 in;
            std::memcpy(&in, row + i, 16);
            const Bytes16 out = std::memcmp(&in, &white, 16) == 0 ? whiteTinted : tinted(in);
            std::memcpy(row + i, &out, 16);
        }
        for (; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(Times(row[i], by[i % 4]) | keep[i % 4]);
    }
}

ScoreArea::ScoreArea(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& ScoreArea::Image() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
    }
    return image_;
}

void ScoreArea::paintEvent(QPaintEvent* event) {
    // Only what needs it: a key in the full score repaints one band.
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = Image().devicePixelRatio();
    painter.drawImage(area, Image(),
                      QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void ScoreArea::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void ScoreArea::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    emit FileDropped(urls.first().toLocalFile());
}

void ScoreArea::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position(), event->globalPosition().toPoint());
}

void ScoreArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) emit MouseDrag(event->position());
}

void ScoreArea::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (!(event->modifiers() & Qt::ControlModifier) || delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    emit ZoomWheel(delta > 0 ? 1 : -1);
}

// The press before it has already moved the cursor.
void ScoreArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

} // namespace sorn
