#include "app/ScoreArea.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace sorn {

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
